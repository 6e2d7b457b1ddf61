#include "reports/RecPaySummaryReport.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "reports/ReportRoutes.h"
#include "reports/SummaryBuilder.h"
#include "reports/SummaryPrint.h"
#include "reports/SummarySheet.h"
#include "reports/SummaryText.h"

namespace pellam::app {

void RecPaySummaryReport(const SummaryRequest& request, short target)
{
    ShowStatus(QStringLiteral("preparing to Make report"));
    const StepResult result = runStep(
        [&] {
            const SummaryDocument doc = SummaryBuilder(state().Conn, ShowStatus).build(request);
            switch (target) {
            case SummaryToPreview:
                toPreview([&doc](const auto& line) { writeSummaryText(doc, line); },
                          QStringLiteral("Reciept & Payment Summary"));
                break;
            case SummaryToPrinter:
                toPrinter(0, [&doc](ReportPrinter& p) { printSummary(doc, p); });
                break;
            case SummaryToExcel:
                toWorkbook([&doc](WorkbookSink& sheet) { writeSummarySheet(doc, sheet); });
                break;
            default:
                break;
            }
        },
        QStringLiteral("load"), QStringLiteral("FrmRecPaySum"));
    ShowProgress(100, 2, 100);
    ShowStatus(result == StepResult::Done ? QStringLiteral("previewing Report") : QString());
}

} // namespace pellam::app
