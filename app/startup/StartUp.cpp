#include "startup/StartUp.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ShellView.h"
#include "data/CarriedBalances.h"
#include "errors/PellamError.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindowPlace.h"
#include "shell/PellamMenu.h"
#include "shell/ProgramEnd.h"
#include "startup/frmSplash.h"
#include "startup/MenuWiring.h"
#include "startup/StartupRun.h"
#include "system/AppFolders.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPixmap>
#include <QTime>

namespace pellam::app {

namespace {

void setBackground(PellamMenu& menu)
{
    const QString picture = QDir(AppFolders::graphics()).filePath(QStringLiteral("Default.jpg"));
    if (QFileInfo::exists(picture))
        menu.area()->setBackground(QPixmap(picture));
}

// Said once after the login, in the status bar, when the year before
// changed since its closing; a failure to read it keeps the program going,
// and the check window shows it.
void tellOfCarriedBalances()
{
    const AppState& s = state();
    try {
        if (const std::optional<QString> notice =
                data::carriedBalancesNotice(state().Conn, s.CashAccNo, AppFolders::data(), {s.YearStart, s.YearEnd}))
            shellView().setStatusText(*notice);
    } catch (const PellamError&) {
    }
}

} // namespace

PellamMenu* createMainWindow()
{
    auto* menu = new PellamMenu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    setBackground(*menu);
    const QString title = storedApplicationTitle();
    if (!title.isEmpty())
        menu->setWindowTitle(QApplication::applicationDisplayName() + QStringLiteral("  ") + title);
    menu->setYearText(QStringLiteral("%1-%2").arg(state().YearStart.year()).arg(state().YearEnd.year()));
    wireMenu(*menu);
    return menu;
}

void startProgram()
{
    state().StartTime = QTime::currentTime();
    setHelpViewer(std::make_unique<HelpWindow>());
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &frmSplash::startupEnded, [] { endProgram(); });
    QObject::connect(splash, &frmSplash::booksReady, splash, [splash] {
        PellamMenu* menu = createMainWindow();
        MainWindowPlace::keep(menu, state().Util, state().AppKey);
        splash->close();
        ShowStatus(QString());
        if (menu->login())
            tellOfCarriedBalances();
    });
    splash->show();
}

} // namespace pellam::app
