#include "reports/LedgerReport.h"

#include "dialogs/Dialogs.h"
#include "excel/ExcelWorkbook.h"
#include "reports/LedgerBuilder.h"
#include "reports/LedgerPrint.h"
#include "reports/LedgerSheet.h"
#include "reports/LedgerText.h"
#include "reports/ReportTextFile.h"
#include "shell/AppState.h"
#include "shell/Common.h"
#include "shell/ErrorHandling.h"

namespace pellam::app {

namespace {

void toPreview(const LedgerDocument& doc)
{
    ReportTextFile file(state().TempDir);
    writeLedgerText(doc, [&file](const QString& line) { file.WriteLine(line); });
    file.Close();
    QString caption = QStringLiteral("Ledger Report");
    ShowReportPreview(file.path(), caption);
}

void toPrinter(const LedgerDocument& doc)
{
    ReportPrinter printer(doc.request.pageOffset);
    if (!printer.open())
        return;
    try {
        printLedger(doc, printer);
        printer.end();
    } catch (...) {
        printer.abandon();
        throw;
    }
}

void toWorkbook(const LedgerDocument& doc)
{
    std::unique_ptr<ExcelWorkbook> book;
    QString folder = state().TempDir;
    folder.chop(1);
    if (!state().Util.CreateExcel(book, folder))
        return;
    writeLedgerSheet(doc, *book);
    state().Util.CloseViewEx(book);
}

} // namespace

void LedgerReport(const LedgerRequest& request, short target)
{
    ShowStatus(QStringLiteral("preparing to make report"));
    const StepResult result = runStep(
        [&] {
            const LedgerDocument doc = LedgerBuilder(state().Conn).build(request);
            if (doc.heads.isEmpty()) {
                MessageRequest m;
                m.text = QStringLiteral(" There is no records");
                m.icon = MessageIcon::Information;
                dialogs().message(m);
                return;
            }
            switch (target) {
            case LedgerPreview:
                toPreview(doc);
                break;
            case LedgerPrint:
                toPrinter(doc);
                break;
            case LedgerExcel:
                toWorkbook(doc);
                break;
            default:
                break;
            }
            ShowStatus(QStringLiteral("printing  Completed"));
        },
        QStringLiteral("LedgerReport"), QStringLiteral("FrmLedger"));
    if (result != StepResult::Done)
        ShowStatus(QString());
    ShowProgress(100, 2, 100);
}

} // namespace pellam::app
