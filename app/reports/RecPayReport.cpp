#include "reports/RecPayReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "reports/RecPayBuilder.h"
#include "reports/ReadableBooks.h"
#include "reports/WindowTargets.h"

namespace pellam::app {

void RecPayReport(const ReportChoices& request, short target)
{
    if (!booksAreReadable(QStringLiteral("FrmRecPay")))
        return;
    ShowStatus(QStringLiteral("Preparing to print report....."));
    runStep(
        [&] {
            const RecPayDocument doc = RecPayBuilder(state().Conn).build(request);
            const ReportRoute report = route(doc);
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
    ShowStatus(QString());
}

} // namespace pellam::app
