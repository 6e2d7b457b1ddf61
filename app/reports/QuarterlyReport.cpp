#include "reports/QuarterlyReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/Say.h"
#include "data/CashAccount.h"
#include "reports/QuarterlyBuilder.h"
#include "reports/ReadableBooks.h"
#include "reports/RouteProgress.h"
#include "reports/WindowRun.h"
#include "reports/WindowTargets.h"

namespace pellam::app {

QString quarterRefusal()
{
    return QStringLiteral(" Please Select a Quarter");
}

void QuarterlyReport(const QuarterRequest& request, short target)
{
    if (!quarterStartMonth(request.quarter)) {
        say(quarterRefusal(), MessageIcon::Information);
        return;
    }
    if (!booksAreReadable(QStringLiteral("FrmQuarterRep")))
        return;
    ShowStatus(QStringLiteral("preparing to Make report"));
    bool generated = false;
    const StepResult result = runReport(
        [&](const ReportProgress& progress) {
            // The cash position is institution 1's cash account's, whichever
            // institutions are chosen.
            const std::optional<data::CashAccount> cash = data::cashAccount(state().Conn, 1);
            if (!cash) {
                say(noCashAccount(), MessageIcon::Information);
                return;
            }
            const QuarterlyDocument doc =
                QuarterlyBuilder(state().Conn, statementStages(ShowStatus, progress)).build(request, cash->accno);
            const ReportRoute report = tellingDone(route(doc), progress);
            ShowStatus(QStringLiteral("Report Generated"));
            switch (target) {
            case QuarterlyToPrinter:
                toPrinter(report);
                break;
            case QuarterlyToExcel:
                toWorkbook(report.sheet);
                break;
            case QuarterlyToPreview:
                toPreview(report.text, QStringLiteral("Quarterly Report"));
                break;
            default:
                break;
            }
            generated = true;
        },
        QStringLiteral("QuarterlyReport"), QStringLiteral("FrmQuarterRep"));
    if (!generated)
        ShowStatus(unfinishedStatus(result));
    ShowProgress(100, 2, 100);
}

} // namespace pellam::app
