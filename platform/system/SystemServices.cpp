#include "system/SystemServices.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>

#include <atomic>
#include <pwd.h>
#include <unistd.h>

extern char** environ;

namespace pellam::sys {

namespace {
std::atomic<int> beeps{0};
}

void beep()
{
    ++beeps;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

int beepCount()
{
    return beeps;
}

QString userName()
{
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    const QString fromEnv = qEnvironmentVariable("USER");
    return fromEnv.isEmpty() ? qEnvironmentVariable("LOGNAME") : fromEnv;
}

QString computerName()
{
    return QSysInfo::machineHostName();
}

QStringList environmentEntries()
{
    QStringList entries;
    for (char** e = environ; e && *e; ++e)
        entries << QString::fromLocal8Bit(*e);
    return entries;
}

void startProgram(const QString& commandLine, bool wait)
{
    QStringList args = QProcess::splitCommand(commandLine);
    if (args.isEmpty())
        throw PellamError::standard(FileNotFound, QStringLiteral("startProgram"));
    const QString program = args.takeFirst();
    if (!wait) {
        if (!QProcess::startDetached(program, args))
            throw PellamError::standard(FileNotFound, QStringLiteral("startProgram"));
        return;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, args);
    if (!process.waitForStarted(-1))
        throw PellamError::standard(FileNotFound, QStringLiteral("startProgram"));
    process.waitForFinished(-1);
}

bool openDocument(const QString& path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // xdg-open starts whether or not any program takes the type, and then
    // fails where nobody sees it; so the desktop is asked for the type's
    // program first.
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    const QString open = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (query.isEmpty() || open.isEmpty())
        return false;
    QProcess ask;
    ask.start(query, {QStringLiteral("query"), QStringLiteral("default"), QMimeDatabase().mimeTypeForFile(path).name()});
    if (!ask.waitForFinished(15000)) {
        ask.kill();
        ask.waitForFinished();
        return false;
    }
    if (ask.exitStatus() != QProcess::NormalExit || ask.exitCode() != 0 || ask.readAllStandardOutput().trimmed().isEmpty())
        return false;
    return QProcess::startDetached(open, {path});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

} // namespace pellam::sys
