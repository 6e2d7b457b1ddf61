#include "shell/MenuWiring.h"

#include "shell/PellamMenu.h"
#include "vouchers/FrmJournal.h"
#include "yearend/FrmBackUp.h"

namespace pellam::app {

void wireMenu(PellamMenu& menu)
{
    menu.setOpener(QStringLiteral("MnEJou"), [] { FrmJournal::open(); });
    menu.setOpener(QStringLiteral("mnBk"), [&menu] {
        FrmBackUp backup(&menu);
        backup.exec();
    });
}

} // namespace pellam::app
