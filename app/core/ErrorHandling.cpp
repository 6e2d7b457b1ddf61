#include "core/ErrorHandling.h"

#include "core/AppState.h"
#include "core/ReportCancelled.h"
#include "errors/PellamError.h"

namespace pellam::app {

StepResult runStep(const std::function<void()>& step, const QString& procedure, const QString& module)
{
    for (;;) {
        try {
            step();
            return StepResult::Done;
        } catch (const ReportCancelled&) {
            return StepResult::Cancelled;
        } catch (PellamError& e) {
            quint8 answer = 10;
            try {
                answer = state().Util.ErFunct(e, procedure, module, state().ErrorLog);
            } catch (const PellamError&) {
                // The log could not be written; the user has seen the message.
                return StepResult::Abandoned;
            }
            if (answer == 0)
                continue;
            return answer == 1 ? StepResult::Skipped : StepResult::Abandoned;
        }
    }
}

} // namespace pellam::app
