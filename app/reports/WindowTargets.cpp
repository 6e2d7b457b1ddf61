#include "reports/WindowTargets.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "excel/ExcelWorkbook.h"
#include "reports/ReportTextFile.h"

namespace pellam::app {

void toPreview(const LineWriter& write, QString caption)
{
    ReportTextFile file(state().TempDir);
    write([&file](const QString& line) { file.WriteLine(line); });
    file.Close();
    ShowReportPreview(file.release(), caption);
}

void toPrinter(const ReportRoute& report)
{
    ReportPrinter printer(report.pageOffset, report.paper);
    if (printer.open())
        printer.printWhole(report.print);
}

void toWorkbook(const std::function<void(WorkbookSink&)>& write)
{
    // The temporary folder is no place for a workbook the user keeps; the
    // save dialog starts where the user keeps documents.
    std::unique_ptr<ExcelWorkbook> book;
    if (!state().Util.CreateExcel(book))
        return;
    write(*book);
    state().Util.CloseViewEx(book);
}

} // namespace pellam::app
