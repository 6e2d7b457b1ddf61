#pragma once

#include "reports/RecPayData.h"
#include "reports/ReportPrinter.h"

namespace pellam::app {

// The cash book on printed pages: the font fitted to the rule, the page
// number and column heading repeated after each page break. The printer
// must be open.
void printRecPay(const RecPayDocument& doc, ReportPrinter& printer);

} // namespace pellam::app
