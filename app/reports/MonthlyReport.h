#pragma once

#include "reports/MonthlyData.h"

namespace pellam::app {

// The monthly statement's routes as its window's buttons pass them: 0 is
// the preview, any other value the printer.
enum MonthlyTarget : short { MonthlyToPreview = 0, MonthlyToPrinter = -1 };

// One run of the monthly statement for a checked selection: computed once,
// then written to the preview or the printer. Says "Cannot find the cash
// account" when the books have none. A failure goes to the error reporter
// and clears the status bar.
void MonthlyReport(const MonthlyRequest& request, short target);

} // namespace pellam::app
