#pragma once

#include "excel/WorkbookSink.h"
#include "reports/RecPayData.h"
#include "reports/ReportPrinter.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

// The receipt and payment account's writers, one per route, each from the
// one document, each walking its vouchers once and writing them as they come.

// The lines both routes share, built with the route's own wording.
QString recPayOpeningLine(const RecPayDocument& doc, const QString& toBalance, const QString& byBalance);
// The rule under every voucher when lines are chosen.
QString recPayVoucherRule();
// A voucher's line, its narration lines and its rule, as chosen.
QStringList recPayVoucherLines(const RecPayDocument& doc, const RecPayVoucher& voucher);
QString recPayTotalsLine(const RecPayTotals& totals, const QString& total);
QString recPayBalanceLine(const RecPayTotals& totals, const QString& balance);
QString recPayBalancedLine(const RecPayTotals& totals, int lead);

// The cash book as the lines of its text file, handed over one by one.
void writeRecPayText(const RecPayDocument& doc, const std::function<void(const QString&)>& writeLine);

// The cash book on printed pages: the font fitted to the rule, the page
// number and column heading repeated after each page break. The printer
// must be open.
void printRecPay(const RecPayDocument& doc, ReportPrinter& printer);

// The cash book's cells: the heading, the opening on a row of its own, a
// row per voucher (reference, date, account, receipt or payment) and its
// narration, then the totals, the balance and the balanced totals as
// formulas.
void writeRecPaySheet(const RecPayDocument& doc, WorkbookSink& sheet);

} // namespace pellam::app
