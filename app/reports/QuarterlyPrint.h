#pragma once

#include "reports/QuarterlyData.h"
#include "reports/ReportPrinter.h"

namespace pellam::app {

// The statement's 157-character lines need the long side of the paper.
inline constexpr QPageLayout::Orientation kQuarterlyPaper = QPageLayout::Landscape;

// The quarterly statement on printed pages: the font fitted to its rule,
// the titles larger above it, and the page number, month captions and
// column heading again before a head that starts a new page. The printer
// must be open.
void printQuarterly(const QuarterlyDocument& doc, ReportPrinter& printer);

} // namespace pellam::app
