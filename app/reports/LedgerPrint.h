#pragma once

#include "reports/LedgerData.h"
#include "reports/ReportPrinter.h"

namespace pellam::app {

// The ledger on printed pages: every head on a page of its own, the font
// fitted to the rule, headings repeated after each page break. The printer
// must be open.
void printLedger(const LedgerDocument& doc, ReportPrinter& printer, const HeadStarted& headStarted = {});

} // namespace pellam::app
