#include "reports/RouteProgress.h"

#include <memory>

namespace pellam::app {

ReportRoute tellingDone(ReportRoute report, ReportProgress progress)
{
    if (report.text)
        report.text = [text = report.text, progress](const LineWriter::Line& line) {
            text(line);
            progress(1);
        };
    if (report.print)
        report.print = [print = report.print, progress](ReportPrinter& printer) {
            print(printer);
            progress(1);
        };
    if (report.sheet)
        report.sheet = [sheet = report.sheet, progress](WorkbookSink& book) {
            sheet(book);
            progress(1);
        };
    return report;
}

StatementStatus statementStages(StatementStatus status, ReportProgress progress)
{
    auto left = std::make_shared<double>(1.0);
    return [status = std::move(status), progress = std::move(progress), left](const QString& phase) {
        if (status)
            status(phase);
        *left /= 2;
        progress(1 - *left);
    };
}

} // namespace pellam::app
