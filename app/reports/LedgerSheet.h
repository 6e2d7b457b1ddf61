#pragma once

#include "excel/WorkbookSink.h"
#include "reports/LedgerData.h"

namespace pellam::app {

// The ledger's cells: per head the title, the head's name and the period
// on a row each, a heading row, the opening on a row of its own, a row per
// voucher (and its narration), the totals and the balance as formulas; two
// empty rows between heads.
void writeLedgerSheet(const LedgerDocument& doc, WorkbookSink& sheet, const HeadStarted& headStarted = {});

} // namespace pellam::app
