#include "reports/MonthlyReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/Say.h"
#include "data/CashAccount.h"
#include "reports/MonthlyBuilder.h"
#include "reports/ReadableBooks.h"
#include "reports/RouteProgress.h"
#include "reports/WindowRun.h"
#include "reports/WindowTargets.h"

namespace pellam::app {

void MonthlyReport(const MonthlyRequest& request, short target)
{
    if (!booksAreReadable(QStringLiteral("FrmMonthRep")))
        return;
    ShowStatus(QStringLiteral("preparing to Make report"));
    bool previewed = false;
    const StepResult result = runReport(
        [&](const ReportProgress& progress) {
            const std::optional<data::CashAccount> cash = data::cashAccount(state().Conn);
            if (!cash) {
                say(noCashAccount(), MessageIcon::Information);
                return;
            }
            const MonthlyDocument doc =
                MonthlyBuilder(state().Conn, statementStages(ShowStatus, progress)).build(request, cash->accno);
            // Said once the statement is written, before the preview shows
            // or the print job ends.
            ReportRoute report = tellingDone(route(doc), progress);
            const auto generated = [] { ShowStatus(QStringLiteral("report is generated")); };
            if (target == MonthlyToPreview) {
                toPreview(
                    [&](const auto& line) {
                        report.text(line);
                        generated();
                    },
                    QStringLiteral("Monthly Report"));
                previewed = true;
            } else {
                report.print = [print = report.print, generated](ReportPrinter& p) {
                    print(p);
                    generated();
                };
                toPrinter(report);
            }
        },
        QStringLiteral("load"), QStringLiteral("FrmMonthRep"));
    ShowProgress(100, 2, 100);
    if (result != StepResult::Done)
        ShowStatus(unfinishedStatus(result));
    else if (previewed)
        ShowStatus(QStringLiteral("previewing Report"));
}

} // namespace pellam::app
