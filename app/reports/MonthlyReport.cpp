#include "reports/MonthlyReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/Say.h"
#include "data/CashAccount.h"
#include "reports/MonthlyBuilder.h"
#include "reports/MonthlyPrint.h"
#include "reports/MonthlyText.h"
#include "reports/ReportRoutes.h"

namespace pellam::app {

void MonthlyReport(const MonthlyRequest& request, short target)
{
    ShowStatus(QStringLiteral("preparing to Make report"));
    bool previewed = false;
    const StepResult result = runStep(
        [&] {
            const std::optional<data::CashAccount> cash = data::cashAccount(state().Conn);
            if (!cash) {
                say(noCashAccount(), MessageIcon::Information);
                return;
            }
            const MonthlyDocument doc = MonthlyBuilder(state().Conn, ShowStatus).build(request, cash->accno);
            const auto generated = [] { ShowStatus(QStringLiteral("report is generated")); };
            if (target == MonthlyToPreview) {
                toPreview(
                    [&](const auto& line) {
                        writeMonthlyText(doc, line);
                        generated();
                    },
                    QStringLiteral("Monthly Report"));
                previewed = true;
            } else {
                toPrinter(0, [&](ReportPrinter& p) {
                    printMonthly(doc, p);
                    generated();
                });
            }
        },
        QStringLiteral("load"), QStringLiteral("FrmMonthRep"));
    ShowProgress(100, 2, 100);
    if (result != StepResult::Done)
        ShowStatus(QString());
    else if (previewed)
        ShowStatus(QStringLiteral("previewing Report"));
}

} // namespace pellam::app
