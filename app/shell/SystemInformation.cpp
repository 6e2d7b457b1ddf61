#include "shell/SystemInformation.h"

#include "core/AppState.h"
#include "core/ApplicationIdentity.h"
#include "settings/SettingsStore.h"
#include "shell/SettingsFile.h"
#include "system/AppFolders.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <sqlite3.h>

namespace pellam::app {

namespace {

QString fileWithState(const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("(none)");
    return QDir::toNativeSeparators(path) +
           (QFileInfo::exists(path) ? QString() : QStringLiteral(" (not present)"));
}

} // namespace

QList<std::pair<QString, QString>> systemInformation()
{
    const AppState& s = state();
    return {
        {QStringLiteral("Program"), QApplication::applicationName() + QStringLiteral(" ") + programVersion()},
        {QStringLiteral("Qt"), QStringLiteral("%1 (built with %2)").arg(QString::fromLatin1(qVersion()),
                                                                        QStringLiteral(QT_VERSION_STR))},
        {QStringLiteral("SQLite"), QString::fromLatin1(sqlite3_libversion())},
        {QStringLiteral("Operating system"), QSysInfo::prettyProductName()},
        {QStringLiteral("Kernel"), QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion()},
        {QStringLiteral("Processor"), QSysInfo::currentCpuArchitecture()},
        {QStringLiteral("Application folder"), fileWithState(AppFolders::home())},
        {QStringLiteral("Year database"), fileWithState(s.DbFile)},
        {QStringLiteral("Financial year"),
         s.YearStart.isValid() ? QStringLiteral("%1-%2").arg(s.YearStart.year()).arg(s.YearEnd.year()) : QString()},
        {QStringLiteral("Settings file"), fileWithState(SettingsFile(s.Util, AppFolders::home()).path())},
        {QStringLiteral("Installation settings"), fileWithState(SettingsStore::fileOf(SettingsStore::LocalMachine))},
        {QStringLiteral("User settings"), fileWithState(SettingsStore::fileOf(SettingsStore::CurrentUser))},
        {QStringLiteral("Installation slot"), s.AppKey},
        {QStringLiteral("Error log"), fileWithState(s.ErrorLog)},
        {QStringLiteral("User"), s.Util.UserName()},
    };
}

QString systemInformationText()
{
    QString text;
    for (const auto& [caption, value] : systemInformation())
        text += caption + QStringLiteral(": ") + value + QLatin1Char('\n');
    return text;
}

} // namespace pellam::app
