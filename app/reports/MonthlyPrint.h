#pragma once

#include "reports/MonthlyData.h"
#include "reports/ReportPrinter.h"

namespace pellam::app {

// The statement on printed pages at 10 points, its titles larger, the page
// number and column heading repeated after each page break. The printer
// must be open.
void printMonthly(const MonthlyDocument& doc, ReportPrinter& printer);

} // namespace pellam::app
