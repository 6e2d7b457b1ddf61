#include "reports/QuarterlyWriters.h"

#include "reports/ReportText.h"

namespace pellam::app {

void writeQuarterlySheet(const QuarterlyDocument& doc, WorkbookSink& sheet)
{
    sheet.mergedText(QStringLiteral("C2:J2"), QStringLiteral("Quarter Report"));
    // Two rows of headings: the months over their columns, then the columns.
    sheet.columnHeadings(3);
    sheet.columnHeadings(4);
    // Income and expense of a column: C and D for the first month, up to I
    // and J for the total.
    const auto pairAt = [](int column) { return std::pair{char('C' + 2 * column), char('D' + 2 * column)}; };
    for (int c = 0; c <= QuarterFigures::kTotal; ++c) {
        const auto [income, expense] = pairAt(c);
        const QString caption = c < QuarterFigures::kTotal ? monthCaption(doc.months[c]) : QStringLiteral("TOTAL");
        sheet.mergedText(cellAt(income, 3) + QLatin1Char(':') + cellAt(expense, 3), caption);
    }
    sheet.text(QStringLiteral("B4"), QStringLiteral("ACCOUNT"));
    for (int c = 0; c <= QuarterFigures::kTotal; ++c) {
        sheet.text(cellAt(pairAt(c).first, 4), QStringLiteral("INCOME"));
        sheet.text(cellAt(pairAt(c).second, 4), QStringLiteral("EXPENSE"));
    }

    int row = 5;
    for (const QuarterHead& head : doc.heads) {
        const QString r = QString::number(row);
        const QuarterFigures& f = head.figures;
        sheet.text(cellAt('B', row), head.name);
        Currency income, expense;
        for (int k = 0; k < QuarterFigures::kTotal; ++k) {
            sheet.amount(cellAt(pairAt(k).first, row), f.income[k]);
            sheet.amount(cellAt(pairAt(k).second, row), f.expense[k]);
            income += f.income[k];
            expense += f.expense[k];
        }
        // The sheet's total covers the quarter alone.
        sheet.formula(cellAt('I', row), QStringLiteral("=C%1+E%1+G%1").arg(r), income);
        sheet.formula(cellAt('J', row), QStringLiteral("=D%1+F%1+H%1").arg(r), expense);
        ++row;
    }
}

} // namespace pellam::app
