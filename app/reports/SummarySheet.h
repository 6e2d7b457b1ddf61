#pragma once

#include "excel/WorkbookSink.h"
#include "reports/SummaryData.h"

namespace pellam::app {

// The summary as cells from B3: merged titles, a row per head from row 7,
// the totals and, when asked, the cash rows, as formulas where the sheet
// can compute them.
void writeSummarySheet(const SummaryDocument& doc, WorkbookSink& sheet);

} // namespace pellam::app
