#include "reports/RecPaySummaryReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "reports/SummaryBuilder.h"
#include "reports/ReadableBooks.h"
#include "reports/RouteProgress.h"
#include "reports/WindowRun.h"
#include "reports/WindowTargets.h"

namespace pellam::app {

void RecPaySummaryReport(const SummaryRequest& request, short target)
{
    if (!booksAreReadable(QStringLiteral("FrmRecPaySum")))
        return;
    ShowStatus(QStringLiteral("preparing to Make report"));
    const StepResult result = runReport(
        [&](const ReportProgress& progress) {
            const SummaryDocument doc =
                SummaryBuilder(state().Conn, statementStages(ShowStatus, progress)).build(request);
            const ReportRoute report = tellingDone(route(doc), progress);
            switch (target) {
            case SummaryToPreview:
                toPreview(report.text, QStringLiteral("Reciept & Payment Summary"));
                break;
            case SummaryToPrinter:
                toPrinter(report);
                break;
            case SummaryToExcel:
                toWorkbook(report.sheet);
                break;
            default:
                break;
            }
        },
        QStringLiteral("load"), QStringLiteral("FrmRecPaySum"));
    ShowProgress(100, 2, 100);
    ShowStatus(result == StepResult::Done ? QStringLiteral("previewing Report") : unfinishedStatus(result));
}

} // namespace pellam::app
