#include "reports/MonthlyWriters.h"

#include "reports/ReportText.h"

namespace pellam::app {

namespace {

QString twoColumns(MonthlyColumns c, const QString& label, Currency income, Currency expense)
{
    return blanks(c.margin) + label + amountText(income, 15) + blanks(c.gap) + amountText(expense, 15);
}

} // namespace

QString monthlyHeadLine(const HeadIncome& head, MonthlyColumns c)
{
    return twoColumns(c, fitted(head.name, 30), head.income, head.expense);
}

QStringList monthlyEndLines(const MonthlyDocument& doc, MonthlyColumns c)
{
    const QString margin = blanks(c.margin);
    const QString rule = margin + dashes(69);
    // The opening stands in the income column, the closing in the expense column.
    return {rule,
            twoColumns(c, blanks(30), doc.income, doc.expense),
            margin + QStringLiteral("Op.Balance    ") + blanks(16) + amountText(doc.opening, 15),
            rule,
            margin + QStringLiteral("Net Total     ") + blanks(16) + amountText(doc.netIncome(), 15) +
                amountText(doc.expense, 16),
            rule,
            margin + QStringLiteral("CL.Balance     ") + blanks(16) + blanks(15) + amountText(doc.closing(), 15)};
}

void writeMonthlyText(const MonthlyDocument& doc, const std::function<void(const QString&)>& writeLine)
{
    const QString margin = blanks(kMonthlyTextColumns.margin);
    writeLine(margin + doc.title);
    writeLine(margin + blanks(11) + doc.statement);
    writeLine(dashes(69));
    writeLine(margin + QStringLiteral(" NAME                                  INCOME         EXPENSE         "));
    writeLine(dashes(69));
    for (const HeadIncome& head : doc.heads)
        writeLine(monthlyHeadLine(head, kMonthlyTextColumns));
    for (const QString& line : monthlyEndLines(doc, kMonthlyTextColumns))
        writeLine(line);
}

} // namespace pellam::app
