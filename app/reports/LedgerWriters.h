#pragma once

#include "excel/WorkbookSink.h"
#include "reports/LedgerData.h"
#include "reports/ReportPrinter.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

// The ledger's writers, one per route, each from the one document, each
// walking its postings once and writing them as they come.

// The reference column (6 characters) and the institution column (3) that
// begin every voucher line, on paper as in the text file.
QString ledgerLineStart(const LedgerVoucher& voucher, const LedgerRequest& request);

// What stands above each head's block, without the margin: the report's
// title, the head's name and the period.
QStringList ledgerHeadTitles(const LedgerDocument& doc, const LedgerHead& head);

// The ledger as the lines of its text file, every head in turn, handed
// over one by one so that a long ledger is never held as text.
void writeLedgerText(const LedgerDocument& doc, const std::function<void(const QString&)>& writeLine,
                     const HeadStarted& headStarted = {});

// The ledger on printed pages: every head on a page of its own, the font
// fitted to the rule, headings repeated after each page break. The printer
// must be open.
void printLedger(const LedgerDocument& doc, ReportPrinter& printer, const HeadStarted& headStarted = {});

// The ledger's cells: per head the title, the head's name and the period
// on a row each, a heading row, the opening on a row of its own, a row per
// voucher (and its narration), the totals and the balance as formulas; two
// empty rows between heads.
void writeLedgerSheet(const LedgerDocument& doc, WorkbookSink& sheet, const HeadStarted& headStarted = {});

} // namespace pellam::app
