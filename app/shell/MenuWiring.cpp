#include "shell/MenuWiring.h"

#include "masters/FrmShAccSetup.h"
#include "masters/frmTreeList.h"
#include "shell/MdiHost.h"
#include "shell/PellamMenu.h"
#include "yearend/FrmBackUp.h"

namespace pellam::app {

void wireMenu(PellamMenu& menu)
{
    menu.setOpener(QStringLiteral("mnBk"), [&menu] {
        FrmBackUp backup(&menu);
        backup.exec();
    });
    menu.setOpener(QStringLiteral("MnuUsetup"), [] { showChild(new masters::FrmShAccSetup); });
    menu.setOpener(QStringLiteral("Acc"), [] { showChild(new masters::frmTreeList); });
}

} // namespace pellam::app
