#include "cli/CommandProgress.h"

#include "core/ReportCancelled.h"

#include <QFile>
#include <algorithm>
#include <csignal>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace pellam::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int)
{
    interrupted = 1;
}

} // namespace

CommandProgress::CommandProgress(QString report, bool shown, QTextStream& err)
    : report_(std::move(report)), shown_(shown), err_(err)
{
    interrupted = 0;
    previous_ = std::signal(SIGINT, onInterrupt);
}

CommandProgress::~CommandProgress()
{
    std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_);
    if (width_ > 0) {
        err_ << '\r' << QString(width_, QLatin1Char(' ')) << '\r';
        err_.flush();
    }
}

void CommandProgress::tell(double done)
{
    if (interrupted)
        throw app::ReportCancelled();
    const int percent = int(std::clamp(done, 0.0, 1.0) * 100);
    if (!shown_ || percent == percent_)
        return;
    percent_ = percent;
    const QString line = QStringLiteral("%1 %2%").arg(report_).arg(percent);
    width_ = std::max(width_, int(line.size()));
    err_ << '\r' << line;
    err_.flush();
}

app::ReportProgress CommandProgress::callback()
{
    return [this](double done) { tell(done); };
}

bool isTerminal(const QTextStream& stream)
{
    const auto* file = qobject_cast<const QFile*>(stream.device());
    return file && file->handle() >= 0 && isatty(file->handle());
}

} // namespace pellam::cli
