#include "startup/StartUp.h"

#include "core/AppState.h"
#include "core/Common.h"
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
        menu->login();
    });
    splash->show();
}

} // namespace pellam::app
