#pragma once

#include "reports/ReportRoute.h"

#include <QString>

namespace pellam::app {

// The targets a report's window writes to, whatever the report: each opens
// its target, lets the report's writer fill it, and ends it.

// The text file in the temporary folder, shown in a preview window.
void toPreview(const LineWriter& write, QString caption);
// The printer the user sets up, offering the report's side of the paper;
// nothing when the dialog is cancelled, and a failure abandons the job.
void toPrinter(const ReportRoute& report);
// A workbook the user names in a save dialog, shown when done.
void toWorkbook(const std::function<void(WorkbookSink&)>& write);

} // namespace pellam::app
