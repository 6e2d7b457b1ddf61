#include "printing/RawPrinter.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "settings/SettingsStore.h"
#include "text/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace pellam {

namespace {

const QString kSource = QStringLiteral("Pellam raw printer");
constexpr int kCommandTimeoutMs = 60000;
// How much may wait in the pipe before the job waits for the command to
// read it, so a long job never piles up in memory.
constexpr qint64 kPipeBacklog = 1 << 20;

} // namespace

class RawPrintJob::Sink {
public:
    virtual ~Sink() = default;
    virtual void write(const QByteArray& bytes) = 0;
    virtual void finish() = 0;
};

namespace {

class CommandSink : public RawPrintJob::Sink {
public:
    explicit CommandSink(const QString& command)
    {
        process_.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
        if (!process_.waitForStarted())
            throw PellamError::standard(DeviceIOError, kSource);
    }

    ~CommandSink() override
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // A command that stops reading early is judged by its exit code alone,
    // as when it was given the whole job at once.
    void write(const QByteArray& bytes) override
    {
        if (!reading())
            return;
        process_.write(bytes);
        while (process_.bytesToWrite() > kPipeBacklog && reading())
            if (!process_.waitForBytesWritten(kCommandTimeoutMs) && reading())
                throw PellamError::standard(DeviceIOError, kSource);
    }

    void finish() override
    {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(kCommandTimeoutMs))
            throw PellamError::standard(DeviceIOError, kSource);
        if (process_.exitStatus() != QProcess::NormalExit || process_.exitCode() != 0)
            throw PellamError::standard(DeviceIOError, kSource);
    }

private:
    // Whether the command still takes bytes: it runs and has not closed its end.
    bool reading() const
    {
        return process_.state() == QProcess::Running && process_.error() != QProcess::WriteError;
    }

    QProcess process_;
};

class FileSink : public RawPrintJob::Sink {
public:
    explicit FileSink(const QString& path) : file_(path)
    {
        const QFileInfo info(path);
        if (!info.absoluteDir().exists())
            throw PellamError::standard(PathNotFound, kSource);
        // A character device cannot be appended to; a file collects job after job.
        const QIODevice::OpenMode mode = info.exists() && !info.isFile() ? QIODevice::WriteOnly
                                                                         : QIODevice::WriteOnly | QIODevice::Append;
        if (!file_.open(mode))
            throw PellamError::standard(PathAccessError, kSource);
    }

    void write(const QByteArray& bytes) override
    {
        if (file_.write(bytes) != bytes.size())
            throw PellamError::standard(DeviceIOError, kSource);
    }

    void finish() override
    {
        if (!file_.flush())
            throw PellamError::standard(DeviceIOError, kSource);
    }

private:
    QFile file_;
};

} // namespace

RawPrintJob::RawPrintJob()
{
    const QString where = RawPrinter::target();
    if (where.startsWith(QLatin1Char('|')))
        sink_ = std::make_unique<CommandSink>(where.mid(1));
    else
        sink_ = std::make_unique<FileSink>(where);
}

RawPrintJob::~RawPrintJob() = default;

void RawPrintJob::write(const QByteArray& bytes)
{
    sink_->write(bytes);
}

void RawPrintJob::writeText(const QString& text)
{
    write(windows1252::encode(text));
}

void RawPrintJob::finish()
{
    sink_->finish();
}

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
    RawPrintJob job;
    job.write(bytes);
    job.finish();
}

void RawPrinter::writeText(const QString& text)
{
    write(windows1252::encode(text));
}

} // namespace pellam
