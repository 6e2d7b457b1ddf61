#include "shell/MenuWiring.h"

#include "shell/FrmUser.h"
#include "shell/MdiHost.h"
#include "shell/PellamMenu.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "shell/frmPassword.h"
#include "reports/FrmLedger.h"
#include "vouchers/FrmJournal.h"
#include "yearend/FrmBackUp.h"

#include <QPointer>

namespace pellam::app {

namespace {

// One instance of a child window for the whole run: made when first asked
// for (again after it was closed), brought to the front otherwise.
template <class Window>
void showOnce(QPointer<Window>& window)
{
    if (!window) {
        window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    showChild(window);
}

} // namespace

void wireMenu(PellamMenu& menu)
{
    menu.setOpener(QStringLiteral("MnEJou"), [] { FrmJournal::open(); });
    menu.setOpener(QStringLiteral("MnRLedger"), [] {
        static QPointer<FrmLedger> window;
        showOnce(window);
    });
    menu.setOpener(QStringLiteral("mnBk"), [&menu] {
        FrmBackUp backup(&menu);
        backup.exec();
    });
    menu.setOpener(QStringLiteral("chpass"), [] {
        static QPointer<frmPassword> window;
        showOnce(window);
    });
    menu.setOpener(QStringLiteral("mnUser"), [] {
        static QPointer<FrmUser> window;
        showOnce(window);
    });
    menu.setOpener(QStringLiteral("mntopt"), [&menu] {
        frmOptions options(&menu);
        options.exec();
    });
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
