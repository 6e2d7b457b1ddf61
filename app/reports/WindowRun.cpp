#include "reports/WindowRun.h"

#include "core/Common.h"
#include "core/ReportCancelled.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace pellam::app {

namespace {

// Looking at input costs a repaint; a run told every thousand rows would
// spend its time there.
constexpr qint64 kLookEveryMs = 50;

// The input a run swallows while it lets the window repaint.
bool isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    case QEvent::Close:
        // The close box; a window the program closes itself still closes.
        return event->spontaneous();
    default:
        return false;
    }
}

} // namespace

WindowProgress::WindowProgress(std::chrono::milliseconds showAfter) : showAfter_(showAfter)
{
    started_.start();
}

WindowProgress::~WindowProgress()
{
    if (shown_)
        QApplication::restoreOverrideCursor();
}

void WindowProgress::tell(double done)
{
    show(int(std::clamp(done, 0.0, 1.0) * 100));
    if (done >= 1 || !lookedAt_.isValid() || lookedAt_.elapsed() >= kLookEveryMs)
        lookAtInput();
    if (cancelled_)
        throw ReportCancelled();
}

ReportProgress WindowProgress::callback()
{
    return [this](double done) { tell(done); };
}

void WindowProgress::show(int percent)
{
    if (!shown_) {
        if (started_.elapsed() < showAfter_.count())
            return;
        shown_ = true;
        ShowProgress(0, 1, 100);
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    if (percent != percent_)
        ShowProgress(percent_ = percent, 0, 100);
}

void WindowProgress::lookAtInput()
{
    // Only while the events are processed here: a message box the run
    // shows takes its clicks as usual.
    qApp->installEventFilter(this);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(this);
    lookedAt_.start();
}

bool WindowProgress::eventFilter(QObject* watched, QEvent* event)
{
    if (!isUserInput(event))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        cancelled_ = true;
    event->ignore();
    return true;
}

StepResult runReport(const std::function<void(const ReportProgress&)>& report, const QString& procedure,
                     const QString& module)
{
    WindowProgress progress;
    const ReportProgress told = progress.callback();
    return runStep([&] { report(told); }, procedure, module);
}

QString unfinishedStatus(StepResult result)
{
    return result == StepResult::Cancelled ? QStringLiteral("Report cancelled") : QString();
}

} // namespace pellam::app
