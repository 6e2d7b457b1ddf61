#pragma once

#include "reports/LedgerData.h"

namespace pellam::app {

// The ledger's routes, numbered as its window's buttons pass them.
enum LedgerTarget : short { LedgerPreview = 0, LedgerPrint = 1, LedgerExcel = 2 };

// One run of the ledger for a checked selection: computed once, then
// written to the preview, the printer or a workbook. Says " There is no
// records" when no chosen head is in the chosen institutions. A failure goes
// to the error reporter and clears the status bar.
void LedgerReport(const LedgerRequest& request, short target);

} // namespace pellam::app
