#pragma once

#include "reports/ReportPrinter.h"
#include "reports/SummaryData.h"

namespace pellam::app {

// The summary on the printer's pages: the font that fits the report's rule,
// the heading with the page number, the heads with the column heading again
// on each new page, the totals and, when asked, the cash lines.
void printSummary(const SummaryDocument& doc, ReportPrinter& printer);

} // namespace pellam::app
