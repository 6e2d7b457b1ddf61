#include "printing/RawPrinter.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "settings/SettingsStore.h"
#include "text/Windows1252.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace pellam {

namespace {

const QString kSource = QStringLiteral("Pellam raw printer");
constexpr int kCommandTimeoutMs = 60000;

void writeToCommand(const QString& command, const QByteArray& bytes)
{
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!process.waitForStarted())
        throw PellamError::standard(DeviceIOError, kSource);
    process.write(bytes);
    process.closeWriteChannel();
    if (!process.waitForFinished(kCommandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        throw PellamError::standard(DeviceIOError, kSource);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw PellamError::standard(DeviceIOError, kSource);
}

void writeToFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw PellamError::standard(PathNotFound, kSource);
    QFile file(path);
    // A character device cannot be appended to; a file collects job after job.
    const QIODevice::OpenMode mode = info.exists() && !info.isFile() ? QIODevice::WriteOnly
                                                                     : QIODevice::WriteOnly | QIODevice::Append;
    if (!file.open(mode))
        throw PellamError::standard(PathAccessError, kSource);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw PellamError::standard(DeviceIOError, kSource);
}

} // namespace

QString RawPrinter::target()
{
    const auto value = SettingsStore::read(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam\\Coffer9.0"),
                                           QStringLiteral("RawPrinter"));
    if (!value || value->trimmed().isEmpty())
        return QStringLiteral("|lp -o raw");
    return *value;
}

void RawPrinter::write(const QByteArray& bytes)
{
    const QString where = target();
    if (where.startsWith(QLatin1Char('|')))
        writeToCommand(where.mid(1), bytes);
    else
        writeToFile(where, bytes);
}

void RawPrinter::writeText(const QString& text)
{
    write(windows1252::encode(text));
}

} // namespace pellam
