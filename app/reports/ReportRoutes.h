#pragma once

#include "excel/WorkbookSink.h"
#include "reports/ReportPrinter.h"

#include <QString>
#include <functional>

namespace pellam::app {

// Hands a report's lines, one by one, to whoever writes them.
using LineWriter = std::function<void(const std::function<void(const QString&)>&)>;

// The routes a report's window reaches, whatever the report: each opens its
// target, lets the report write into it, and ends it.

// The text file in the temporary folder, shown in a preview window.
void toPreview(const LineWriter& write, QString caption);
// The printer the user sets up, offering the report's side of the paper;
// nothing when the dialog is cancelled, and a failure abandons the job.
void toPrinter(int pageOffset, const std::function<void(ReportPrinter&)>& print,
               QPageLayout::Orientation paper = QPageLayout::Portrait);
// A workbook the user names in a save dialog, shown when done.
void toWorkbook(const std::function<void(WorkbookSink&)>& write);

} // namespace pellam::app
