#include "reports/LedgerSheet.h"

#include "reports/ReportText.h"

namespace pellam::app {

namespace {

QString cell(char column, int row)
{
    return QLatin1Char(column) + QString::number(row);
}

} // namespace

void writeLedgerSheet(const LedgerDocument& doc, WorkbookSink& sheet)
{
    int row = 0; // the last row written
    for (const LedgerHead& head : doc.heads) {
        row += 3;
        sheet.text(cell('B', row), QStringLiteral("B/V No"));
        sheet.text(cell('C', row), QStringLiteral("J/F No"));
        sheet.text(cell('D', row), QStringLiteral("Date"));
        sheet.text(cell('E', row), QStringLiteral("Account Name"));
        sheet.text(cell('F', row), QStringLiteral("Debit"));
        sheet.text(cell('G', row), QStringLiteral("Credit"));

        const int first = ++row;
        if (head.opening > Currency()) {
            sheet.text(cell('E', row), QStringLiteral("To Balance B/d"));
            sheet.amount(cell('F', row), head.opening);
        } else {
            sheet.text(cell('E', row), QStringLiteral("By Balance B/d"));
            sheet.amount(cell('G', row), head.opening.abs());
        }
        for (const LedgerVoucher& v : head.vouchers) {
            ++row;
            const QString ref = referenceText(doc.request.reference, v.jouNo, v.serial, v.billNo, 5).trimmed();
            if (!ref.isEmpty())
                sheet.text(cell('B', row), ref);
            sheet.date(cell('D', row), v.date);
            sheet.text(cell('E', row), v.otherName);
            sheet.amount(cell(v.debit ? 'F' : 'G', row), v.amount);
            if (doc.request.narration && !v.narration.trimmed().isEmpty())
                sheet.text(cell('E', ++row), QLatin1Char('[') + v.narration.trimmed() + QLatin1Char(']'));
        }
        const int last = row;
        const int totals = ++row;
        const QString from = QString::number(first), to = QString::number(last);
        sheet.formula(cell('F', totals), QStringLiteral("=sum(f%1:f%2)").arg(from, to), head.debitTotal);
        sheet.formula(cell('G', totals), QStringLiteral("=sum(g%1:g%2)").arg(from, to), head.creditTotal);
        ++row;
        const QString t = QString::number(totals);
        if (head.debitTotal > head.creditTotal)
            sheet.formula(cell('G', row), QStringLiteral("=f") + t + QStringLiteral("-g") + t,
                          head.debitTotal - head.creditTotal);
        else
            sheet.formula(cell('F', row), QStringLiteral("=g") + t + QStringLiteral("-f") + t,
                          head.creditTotal - head.debitTotal);
    }
}

} // namespace pellam::app
