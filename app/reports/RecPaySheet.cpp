#include "reports/RecPayWriters.h"

#include "format/DateText.h"
#include "reports/ReportText.h"

namespace pellam::app {

void writeRecPaySheet(const RecPayDocument& doc, WorkbookSink& sheet)
{
    const ReportChoices& r = doc.request;
    sheet.text(QStringLiteral("B1"), doc.title);
    sheet.text(QStringLiteral("B2"), QStringLiteral("Receipt and Payments From ") + datetext::format(r.from) +
                                         QStringLiteral(" To ") + datetext::format(r.to));
    sheet.columnHeadings(4);
    sheet.text(QStringLiteral("B4"), QStringLiteral("B/V No"));
    sheet.text(QStringLiteral("C4"), QStringLiteral("Date"));
    sheet.text(QStringLiteral("D4"), QStringLiteral("Account Name"));
    sheet.text(QStringLiteral("E4"), QStringLiteral("Receipt"));
    sheet.text(QStringLiteral("F4"), QStringLiteral("Payment"));

    int row = 5;
    const int first = row;
    if (doc.opening > Currency()) {
        sheet.text(cellAt('D', row), QStringLiteral("To Balance B/d"));
        sheet.amount(cellAt('E', row), doc.opening);
    } else {
        sheet.text(cellAt('D', row), QStringLiteral("By Balance B/d"));
        sheet.amount(cellAt('F', row), doc.opening.abs());
    }
    const RecPayTotals sums = walkRecPay(doc, [&](const RecPayVoucher& v) {
        ++row;
        const QString ref = referenceText(r.reference, v.jouNo, v.serial, v.billNo, 7).trimmed();
        if (!ref.isEmpty())
            sheet.text(cellAt('B', row), ref);
        sheet.date(cellAt('C', row), v.date);
        sheet.text(cellAt('D', row), v.accountName);
        sheet.amount(cellAt(v.receipt ? 'E' : 'F', row), v.amount);
        if (r.narration && !v.narration.trimmed().isEmpty())
            sheet.text(cellAt('D', ++row), QLatin1Char('[') + v.narration.trimmed() + QLatin1Char(']'));
    });
    const int totals = ++row;
    const QString t = QString::number(totals);
    sheet.text(cellAt('D', totals), QStringLiteral("Total"));
    sheet.formula(cellAt('E', totals), sumFormula('e', first, totals - 1), sums.receipts());
    sheet.formula(cellAt('F', totals), sumFormula('f', first, totals - 1), sums.payments());
    const int balance = ++row;
    sheet.text(cellAt('D', balance), QStringLiteral("Balance"));
    if (sums.balanceIsPayment())
        sheet.formula(cellAt('F', balance), QStringLiteral("=e") + t + QStringLiteral("-f") + t, sums.balance());
    else
        sheet.formula(cellAt('E', balance), QStringLiteral("=f") + t + QStringLiteral("-e") + t, sums.balance());
    const int balanced = ++row;
    sheet.formula(cellAt('E', balanced), sumFormula('e', totals, balance), sums.balancedTotal());
    sheet.formula(cellAt('F', balanced), sumFormula('f', totals, balance), sums.balancedTotal());
}

} // namespace pellam::app
