#pragma once

#include "excel/WorkbookSink.h"
#include "reports/QuarterlyData.h"

namespace pellam::app {

// The quarterly statement's cells: the month captions over their income and
// expense columns, a row per head with its month figures, and the quarter's
// total as formulas over the three months. The sheet carries no totals and
// no cash position.
void writeQuarterlySheet(const QuarterlyDocument& doc, WorkbookSink& sheet);

} // namespace pellam::app
