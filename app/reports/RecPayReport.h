#pragma once

#include "reports/ReportChoices.h"

namespace pellam::app {

// The cash book's routes, numbered as its window's buttons pass them.
enum RecPayTarget : short { RecPayToPrinter = 0, RecPayToPreview = 1, RecPayToExcel = 2 };

// One run of the receipt and payment account for a checked selection:
// computed once, then written to the printer, the preview or a workbook. A
// failure goes to the error reporter and clears the status bar.
void RecPayReport(const ReportChoices& request, short target);

} // namespace pellam::app
