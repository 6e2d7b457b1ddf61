#include "reports/RecPayReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "reports/RecPayBuilder.h"
#include "reports/ReadableBooks.h"
#include "reports/RouteProgress.h"
#include "reports/WindowRun.h"
#include "reports/WindowTargets.h"

namespace pellam::app {

void RecPayReport(const ReportChoices& request, short target)
{
    if (!booksAreReadable(QStringLiteral("FrmRecPay")))
        return;
    ShowStatus(QStringLiteral("Preparing to print report....."));
    const StepResult result = runReport(
        [&](const ReportProgress& progress) {
            RecPayDocument doc = RecPayBuilder(state().Conn).build(request);
            doc.progress = progress;
            const ReportRoute report = tellingDone(route(doc), progress);
            ShowStatus(QStringLiteral("printing Report.........."));
            switch (target) {
            case RecPayToPrinter:
                toPrinter(report);
                break;
            case RecPayToPreview:
                toPreview(report.text, QStringLiteral("Preview"));
                break;
            case RecPayToExcel:
                toWorkbook(report.sheet);
                break;
            default:
                break;
            }
            ShowStatus(QStringLiteral("Report is Generated"));
            ShowStatus(QStringLiteral("Print Complete"));
        },
        QStringLiteral("load"), QStringLiteral("FrmRecPay"));
    ShowProgress(100, 2, 100);
    ShowStatus(unfinishedStatus(result));
}

} // namespace pellam::app
