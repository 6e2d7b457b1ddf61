#include "reports/ReportRoutes.h"

#include "excel/ExcelWorkbook.h"
#include "reports/ReportTextFile.h"
#include "shell/AppState.h"
#include "shell/Common.h"

namespace pellam::app {

void toPreview(const LineWriter& write, QString caption)
{
    ReportTextFile file(state().TempDir);
    write([&file](const QString& line) { file.WriteLine(line); });
    file.Close();
    ShowReportPreview(file.path(), caption);
}

void toPrinter(int pageOffset, const std::function<void(ReportPrinter&)>& print, QPageLayout::Orientation paper)
{
    ReportPrinter printer(pageOffset, paper);
    if (!printer.open())
        return;
    try {
        print(printer);
        printer.end();
    } catch (...) {
        printer.abandon();
        throw;
    }
}

void toWorkbook(const std::function<void(WorkbookSink&)>& write)
{
    std::unique_ptr<ExcelWorkbook> book;
    QString folder = state().TempDir;
    folder.chop(1);
    if (!state().Util.CreateExcel(book, folder))
        return;
    write(*book);
    state().Util.CloseViewEx(book);
}

} // namespace pellam::app
