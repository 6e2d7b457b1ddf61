#include "shell/MenuWiring.h"

#include "masters/FrmAccounts.h"
#include "masters/FrmCompany.h"
#include "masters/OpenWindow.h"
#include "shell/PellamMenu.h"
#include "yearend/FrmBackUp.h"

namespace pellam::app {

void wireMenu(PellamMenu& menu)
{
    menu.setOpener(QStringLiteral("mnuinst"), [] { masters::openWindow<masters::FrmCompany>(); });
    menu.setOpener(QStringLiteral("mnFileAcc"), [] { masters::openWindow<masters::FrmAccounts>(); });
    menu.setOpener(QStringLiteral("mnBk"), [&menu] {
        FrmBackUp backup(&menu);
        backup.exec();
    });
}

} // namespace pellam::app
