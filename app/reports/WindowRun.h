#pragma once

#include "core/ErrorHandling.h"
#include "reports/ReportProgress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>

namespace pellam::app {

// One report run from a window, on the user-interface thread: the main
// window's progress bar follows it once it has taken `showAfter` (a shorter
// run does not flash the bar), and Escape stops it. Each time it is told how
// far the run has come it lets the window repaint and see Escape, at most
// every 50 ms, and always at the end (told 1), just before the report's
// file is kept or shown. While it does, every other input (clicks, keys,
// the close box) is swallowed, so that nothing re-enters the program half
// way through the run; input outside those moments, a message box's among
// them, goes where it always goes.
class WindowProgress : public QObject {
public:
    explicit WindowProgress(std::chrono::milliseconds showAfter = std::chrono::milliseconds(500));
    ~WindowProgress() override;

    // `done` from 0 to 1. Throws ReportCancelled once Escape was pressed.
    void tell(double done);
    // tell() as a report's progress callback; valid while this object lives.
    ReportProgress callback();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(int percent);
    void lookAtInput();

    std::chrono::milliseconds showAfter_;
    QElapsedTimer started_;
    QElapsedTimer lookedAt_;
    bool shown_ = false;
    int percent_ = -1;
    bool cancelled_ = false;
};

// Runs a report from its window as runStep runs a step, with a
// WindowProgress for its progress callback. Escape ends it as
// StepResult::Cancelled: no error box, and no file left.
StepResult runReport(const std::function<void(const ReportProgress&)>& report, const QString& procedure,
                     const QString& module);

// The status a report run that did not finish leaves: "Report cancelled"
// when the user stopped it, nothing after a failure.
QString unfinishedStatus(StepResult result);

} // namespace pellam::app
