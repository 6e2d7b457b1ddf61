#include "reports/QuarterlyWriters.h"

#include "reports/ReportText.h"

namespace pellam::app {

namespace {

// Income and expense of each column, the columns a blank apart.
QString figuresText(const QuarterFigures& f)
{
    QStringList columns;
    for (size_t c = 0; c < f.income.size(); ++c)
        columns << amountText(f.income[c], 15) + amountText(f.expense[c], 15);
    return columns.join(QLatin1Char(' '));
}

} // namespace

QString quarterRule(int before)
{
    return dashes(before) + QLatin1Char('*') + dashes(31);
}

QString quarterCaptionLine(const QuarterlyDocument& doc, const std::array<int, 4>& gaps)
{
    QString line;
    for (size_t k = 0; k < doc.months.size(); ++k)
        line += blanks(gaps[k]) + monthCaption(doc.months[k]);
    return line + blanks(gaps[3]) + QStringLiteral("TOTAL");
}

QStringList quarterHeadLines(const QuarterlyDocument& doc, const QuarterHead& head)
{
    QStringList lines{QLatin1Char(' ') + fitted(head.name, 30) + figuresText(head.figures)};
    if (doc.lines)
        lines << QLatin1Char(' ') + quarterRule();
    return lines;
}

QStringList quarterClosingLines(const QuarterlyDocument& doc)
{
    // The openings stand in the income columns and the closings in the
    // expense columns; neither line has the one-blank margin of the others.
    QString opening = QStringLiteral("Op.Balance     ") + blanks(16);
    QString closing = QStringLiteral("CL.Balance      ") + blanks(16);
    for (size_t c = 0; c < doc.openings.size(); ++c) {
        opening += amountText(doc.openings[c], 15) + blanks(15) + QLatin1Char(' ');
        closing += blanks(15) + amountText(doc.closings[c], 15) + QLatin1Char(' ');
    }
    return {QLatin1Char(' ') + quarterRule(),
            QLatin1Char(' ') + blanks(30) + figuresText(doc.totals),
            QString(),
            opening,
            quarterRule(),
            closing};
}

void writeQuarterlyText(const QuarterlyDocument& doc, const std::function<void(const QString&)>& writeLine)
{
    const QString margin(QLatin1Char(' '));
    writeLine(margin + doc.title);
    writeLine(margin + QStringLiteral("                               QUARTERLY  REPORT "));
    writeLine(margin + quarterRule());
    writeLine(margin + quarterCaptionLine(doc, {45, 22, 25, 23}));
    writeLine(QString());
    writeLine(margin + QStringLiteral(" NAME                                  INCOME         EXPENSE          INCOME         "
                                      "EXPENSE          INCOME         EXPENSE          INCOME         EXPENSE"));
    writeLine(margin + quarterRule());
    for (const QuarterHead& head : doc.heads)
        for (const QString& line : quarterHeadLines(doc, head))
            writeLine(line);
    for (const QString& line : quarterClosingLines(doc))
        writeLine(line);
}

} // namespace pellam::app
