#include "reports/RecPayReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "reports/RecPayBuilder.h"
#include "reports/RecPayPrint.h"
#include "reports/RecPaySheet.h"
#include "reports/RecPayText.h"
#include "reports/ReportRoutes.h"

namespace pellam::app {

void RecPayReport(const ReportChoices& request, short target)
{
    ShowStatus(QStringLiteral("Preparing to print report....."));
    runStep(
        [&] {
            const RecPayDocument doc = RecPayBuilder(state().Conn).build(request);
            ShowStatus(QStringLiteral("printing Report.........."));
            switch (target) {
            case RecPayToPrinter:
                toPrinter(request.pageOffset, [&doc](ReportPrinter& p) { printRecPay(doc, p); });
                break;
            case RecPayToPreview:
                toPreview([&doc](const auto& line) { writeRecPayText(doc, line); }, QStringLiteral("Preview"));
                break;
            case RecPayToExcel:
                toWorkbook([&doc](WorkbookSink& sheet) { writeRecPaySheet(doc, sheet); });
                break;
            default:
                break;
            }
            ShowStatus(QStringLiteral("Report is Generated"));
            ShowStatus(QStringLiteral("Print Complete"));
        },
        QStringLiteral("load"), QStringLiteral("FrmRecPay"));
    ShowProgress(100, 2, 100);
    ShowStatus(QString());
}

} // namespace pellam::app
