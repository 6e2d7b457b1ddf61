#include "startup/MenuWiring.h"

#include "core/MdiHost.h"
#include "masters/FrmAccounts.h"
#include "masters/FrmCompany.h"
#include "masters/FrmShAccSetup.h"
#include "masters/frmTreeList.h"
#include "reports/FrmLedger.h"
#include "reports/FrmMonthRep.h"
#include "reports/FrmQuarterRep.h"
#include "reports/FrmRecPay.h"
#include "reports/FrmRecPaySum.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "shell/frmPassword.h"
#include "shell/FrmUser.h"
#include "shell/PellamMenu.h"
#include "vouchers/FrmImport.h"
#include "vouchers/FrmJournal.h"
#include "yearend/FrmBackUp.h"
#include "yearend/FrmCarryForward.h"
#include "yearend/FrmClosing.h"
#include "yearend/FrmRestore.h"

#include <QPointer>

namespace pellam::app {

namespace {

// Opens a dialog over the main window and gives the keys back to it after.
template <class Dialog>
auto modal(PellamMenu& menu)
{
    return [&menu] {
        Dialog dialog(&menu);
        runModal(dialog);
    };
}

} // namespace

// The windows every role may open for reading need no action; the Auditor
// is refused at their saves and deletes instead.
void wireMenu(PellamMenu& menu)
{
    using data::Action;
    menu.setOpener(QStringLiteral("MnEJou"), [] { FrmJournal::open(); });
    menu.setOpener(QStringLiteral("mnuinst"), [] { showSingle<masters::FrmCompany>(); });
    menu.setOpener(QStringLiteral("mnFileAcc"), [] { showSingle<masters::FrmAccounts>(); });
    menu.setOpener(QStringLiteral("MnuUsetup"), [] { showSingle<masters::FrmShAccSetup>(); });
    menu.setOpener(QStringLiteral("Acc"), [] { showSingle<masters::frmTreeList>(); });
    menu.setOpener(QStringLiteral("MnRLedger"), [] { showSingle<FrmLedger>(); });
    menu.setOpener(QStringLiteral("MnRp"), [] { showSingle<FrmRecPay>(); });
    menu.setOpener(QStringLiteral("MnRptR"), [] { showSingle<FrmRecPaySum>(); });
    menu.setOpener(QStringLiteral("mnrptqt"), [] { showSingle<FrmQuarterRep>(); });
    menu.setOpener(QStringLiteral("MnMth"), [] { showSingle<FrmMonthRep>(); });
    menu.setOpener(QStringLiteral("mnImport"), [] { showSingle<FrmImport>(); }, Action::ImportVouchers);
    menu.setOpener(QStringLiteral("mnBk"), modal<FrmBackUp>(menu), Action::BackUp);
    menu.setOpener(QStringLiteral("MnuTRst"), modal<FrmRestore>(menu), Action::Restore);
    menu.setOpener(QStringLiteral("yrcldb"), [] { showSingle<FrmClosing>(); }, Action::CloseYear);
    menu.setOpener(QStringLiteral("mnCarry"), [] { showSingle<FrmCarryForward>(); });
    menu.setOpener(QStringLiteral("chpass"), [] { showSingle<frmPassword>(); });
    menu.setOpener(QStringLiteral("mnUser"), [] { showSingle<FrmUser>(); }, Action::ManageUsers);
    menu.setOpener(QStringLiteral("mntopt"), modal<frmOptions>(menu), Action::ChangeOptions);
    menu.setOpener(QStringLiteral("mnAbout"), [&menu] {
        static QPointer<frmAbout> about;
        if (!about) {
            about = new frmAbout(&menu);
            about->setAttribute(Qt::WA_DeleteOnClose);
        }
        about->show();
        about->raise();
        about->activateWindow();
    });
}

} // namespace pellam::app
