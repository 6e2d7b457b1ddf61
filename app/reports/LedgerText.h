#pragma once

#include "reports/LedgerData.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

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
QStringList ledgerTextLines(const LedgerDocument& doc);

} // namespace pellam::app
