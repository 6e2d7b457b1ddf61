#include "errors/ErrorReport.h"

#include "errors/ErrorNumber.h"
#include "format/DateText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pellam::errors {

namespace {

constexpr QChar CR(13);

MessageRequest box(const QString& text, const QString& title, MessageButtons buttons,
                   MessageIcon icon, bool help)
{
    MessageRequest m;
    m.text = text;
    m.title = title;
    m.buttons = buttons;
    m.icon = icon;
    m.helpButton = help;
    return m;
}

std::function<quint8(MessageAnswer)> always(quint8 code)
{
    return [code](MessageAnswer) { return code; };
}

} // namespace

ErrorResponse responseTo(const PellamError& error, const QString& title)
{
    using B = MessageButtons;
    using I = MessageIcon;
    const auto info = [&](const QString& text, quint8 code) {
        return ErrorResponse{box(text, title, B::Ok, I::Information, true), 0, always(code)};
    };
    switch (error.Number()) {
    case PrinterNotReady:
    case PrinterOffline:
        return {box(QStringLiteral("        Printer is not Ready.. !   ") + CR +
                        QStringLiteral(" Verify Your Network / Printer Status") + CR +
                        QStringLiteral("    Do You want to Print the BILL ?"),
                    title, B::YesNo, I::Information, true),
                2, [](MessageAnswer a) { return quint8(a == MessageAnswer::Yes ? Retry : Abandon); }};
    case CannotOpen:
        return {box(QStringLiteral("Error Occured, Network or Invalid Server Name or Invalid Password.!") + CR +
                        QStringLiteral("Application Terminated.. Contact The System Administrator"),
                    title, B::Ok, I::Critical, true),
                0, always(ConnectionFailed)};
    case InvalidLogin:
        return info(QStringLiteral("Invalid User or Password"), LoginRefused);
    case InvalidUseOfNull: return info(QStringLiteral("An Invalid Data Occured and Ignores the Data"), Continue);
    case PermissionDenied: return info(QStringLiteral("You are not able to access NetWork, Access Terminated"), Abandon);
    case PathNotFound:
        return info(QStringLiteral("The File / Path you specified not exist or Network Printer is not Accessible") +
                        CR + QStringLiteral("Process Will be Canceled "),
                    Abandon);
    case RemoteMachineUnreachable: return info(QStringLiteral("Can't Access the Remote Machine specified"), Continue);
    case DuplicateKey:
        return {box(QStringLiteral("Duplicate entry.Please Specify another name. Current Trasaction will be cancelled"),
                    title, B::Ok, I::None, false),
                0, always(Abandon)};
    // No current record and a bad conversion would fail again on a retry,
    // so they abandon like the other cancelling cases.
    case NoCurrentRecord:
        return {box(QStringLiteral("Error. Nothing Found in the database!. If You are sure You have Data in "
                                   "database, There May be System Disk Error.Call System Adminstrator"),
                    title, B::Ok, I::Critical, false),
                0, always(Abandon)};
    case DatabaseLocked:
        return {box(QStringLiteral("Database is Locked By some other Media or program.Check & Unlock It. Then "
                                   "Retry the Program."),
                    title, B::Ok, I::None, false),
                0, always(Retry)};
    case InvalidDataEntries:
        return {box(QStringLiteral("Input data Contains Invalid Data Entries. Check Your Entries"), title, B::Ok,
                    I::None, false),
                0, always(Abandon)};
    default:
        return {box(QStringLiteral("Error Number      = ") + QString::number(error.Number()) + CR +
                        QStringLiteral("Error Description = ") + error.Description() + CR +
                        QStringLiteral("Error Source      = ") + error.Source(),
                    title, B::AbortRetryIgnore, I::Information, true),
                0, [](MessageAnswer a) {
                    return quint8(a == MessageAnswer::Retry ? Retry : a == MessageAnswer::Ignore ? Continue : Abandon);
                }};
    }
}

void appendToLog(const QString& logFile, const PellamError& error, const QString& ctrlName, const QString& frm)
{
    QFile file(logFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        const bool folderMissing = !QFileInfo(logFile).absoluteDir().exists();
        throw PellamError::standard(folderMissing ? PathNotFound : PathAccessError, QStringLiteral("ErFunct"));
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString number = QString::number(error.Number());
    const QString lines = datetext::format(now.date()) + QLatin1Char(' ') + now.time().toString(QStringLiteral("HH:mm:ss")) +
                          QStringLiteral("   ") + number + QLatin1Char(' ') + ctrlName + QLatin1Char(' ') + frm +
                          QStringLiteral("\r\n") + number + QLatin1Char(' ') + error.Source() + QLatin1Char(' ') +
                          error.Description() + QStringLiteral("\r\n");
    const QByteArray bytes = lines.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw PellamError::standard(PathAccessError, QStringLiteral("ErFunct"));
}

} // namespace pellam::errors
