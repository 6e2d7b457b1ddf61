#include "reports/LedgerReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/Say.h"
#include "reports/LedgerBuilder.h"
#include "reports/ReadableBooks.h"
#include "reports/RouteProgress.h"
#include "reports/WindowRun.h"
#include "reports/WindowTargets.h"

namespace pellam::app {

void LedgerReport(const LedgerRequest& request, short target)
{
    if (!booksAreReadable(QStringLiteral("FrmLedger")))
        return;
    ShowStatus(QStringLiteral("preparing to make report"));
    const StepResult result = runReport(
        [&](const ReportProgress& progress) {
            LedgerDocument doc = LedgerBuilder(state().Conn).build(request);
            if (doc.heads.isEmpty()) {
                say(QStringLiteral(" There is no records"), MessageIcon::Information);
                return;
            }
            doc.progress = progress;
            const ReportRoute report =
                tellingDone(route(doc, [](const QString& name) { ShowStatus(name); }), progress);
            switch (target) {
            case LedgerPreview:
                toPreview(report.text, QStringLiteral("Ledger Report"));
                break;
            case LedgerPrint:
                toPrinter(report);
                break;
            case LedgerExcel:
                toWorkbook(report.sheet);
                break;
            default:
                break;
            }
            ShowStatus(QStringLiteral("printing  Completed"));
        },
        QStringLiteral("LedgerReport"), QStringLiteral("FrmLedger"));
    if (result != StepResult::Done)
        ShowStatus(unfinishedStatus(result));
    ShowProgress(100, 2, 100);
}

} // namespace pellam::app
