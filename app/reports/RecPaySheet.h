#pragma once

#include "excel/WorkbookSink.h"
#include "reports/RecPayData.h"

namespace pellam::app {

// The cash book's cells: the heading, the opening on a row of its own, a
// row per voucher (reference, date, account, receipt or payment) and its
// narration, then the totals, the balance and the balanced totals as
// formulas.
void writeRecPaySheet(const RecPayDocument& doc, WorkbookSink& sheet);

} // namespace pellam::app
