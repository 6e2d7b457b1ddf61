#include "reports/LedgerWriters.h"

#include "reports/ReportText.h"

namespace pellam::app {

void writeLedgerSheet(const LedgerDocument& doc, WorkbookSink& sheet, const HeadStarted& headStarted)
{
    int row = 0; // the last row written
    int first = 0; // the head's opening row
    const auto startHead = [&](const LedgerHead& head) {
        // The title, the head's name and the period above the block, as
        // the text file has them, so that each block says whose it is.
        row += 2;
        for (const QString& title : ledgerHeadTitles(doc, head)) {
            ++row;
            if (!title.trimmed().isEmpty())
                sheet.text(cellAt('B', row), title.trimmed());
        }
        ++row;
        sheet.columnHeadings(row);
        sheet.text(cellAt('B', row), QStringLiteral("B/V No"));
        sheet.text(cellAt('C', row), QStringLiteral("J/F No"));
        sheet.text(cellAt('D', row), QStringLiteral("Date"));
        sheet.text(cellAt('E', row), QStringLiteral("Account Name"));
        sheet.text(cellAt('F', row), QStringLiteral("Debit"));
        sheet.text(cellAt('G', row), QStringLiteral("Credit"));

        first = ++row;
        if (head.opening > Currency()) {
            sheet.text(cellAt('E', row), QStringLiteral("To Balance B/d"));
            sheet.amount(cellAt('F', row), head.opening);
        } else {
            sheet.text(cellAt('E', row), QStringLiteral("By Balance B/d"));
            sheet.amount(cellAt('G', row), head.opening.abs());
        }
    };
    const auto voucher = [&](const LedgerVoucher& v) {
        ++row;
        const QString ref = referenceText(doc.request.reference, v.jouNo, v.serial, v.billNo, 5).trimmed();
        if (!ref.isEmpty())
            sheet.text(cellAt('B', row), ref);
        sheet.date(cellAt('D', row), v.date);
        sheet.text(cellAt('E', row), v.otherName);
        sheet.amount(cellAt(v.debit ? 'F' : 'G', row), v.amount);
        if (doc.request.narration && !v.narration.trimmed().isEmpty())
            sheet.text(cellAt('E', ++row), QLatin1Char('[') + v.narration.trimmed() + QLatin1Char(']'));
    };
    const auto endHead = [&](const LedgerHead&, const LedgerTotals& totals) {
        const int last = row;
        const int sums = ++row;
        sheet.formula(cellAt('F', sums), sumFormula('f', first, last), totals.debit());
        sheet.formula(cellAt('G', sums), sumFormula('g', first, last), totals.credit());
        ++row;
        const QString t = QString::number(sums);
        if (totals.debitsLarger())
            sheet.formula(cellAt('G', row), QStringLiteral("=f") + t + QStringLiteral("-g") + t, totals.balance());
        else
            sheet.formula(cellAt('F', row), QStringLiteral("=g") + t + QStringLiteral("-f") + t, totals.balance());
    };
    walkLedger(doc, {.headStarts = startHead, .voucher = voucher, .headEnds = endHead}, headStarted);
}

} // namespace pellam::app
