#pragma once

#include <QString>
#include <functional>

namespace pellam::app {

enum class StepResult {
    Done,      // the step ran
    Skipped,   // it failed and the user chose to go on without it
    Abandoned, // it failed and the procedure must clean up and leave
    Cancelled, // the user stopped it (ReportCancelled); nothing was shown
};

// Runs one step of a procedure under the error reporter: a failure is shown
// and logged, then the step runs again (answer 0), is skipped (answer 1) or
// the procedure is abandoned (any other answer). A step the user stopped
// ends as Cancelled, without an error box or a line in the log.
StepResult runStep(const std::function<void()>& step, const QString& procedure, const QString& module);

} // namespace pellam::app
