#pragma once

#include "reports/SummaryData.h"

namespace pellam::app {

// The summary's routes, numbered as its window's buttons pass them.
enum SummaryTarget : short { SummaryToPreview = 0, SummaryToPrinter = 1, SummaryToExcel = 2 };

// One run of the receipt and payment summary for a checked selection:
// computed once, then written to the preview, the printer or a workbook. A
// failure goes to the error reporter and clears the status bar.
void RecPaySummaryReport(const SummaryRequest& request, short target);

} // namespace pellam::app
