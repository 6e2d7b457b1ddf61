#pragma once

#include "reports/QuarterlyData.h"

namespace pellam::app {

// The quarterly statement's routes, numbered as its window's buttons pass them.
enum QuarterlyTarget : short { QuarterlyToPrinter = 0, QuarterlyToExcel = 1, QuarterlyToPreview = 2 };

// The message that refuses a quarter other than the four.
QString quarterRefusal();

// One run of the quarterly statement for the chosen institutions: computed
// once, then written to the printer, a workbook or the preview. A quarter
// that is none of the four, or books without a cash account, end the run
// with a message; a failure goes to the error reporter and clears the
// status bar.
void QuarterlyReport(const QuarterRequest& request, short target);

} // namespace pellam::app
