#include "reports/SummaryWriters.h"

#include "reports/ReportText.h"

namespace pellam::app {

namespace {

const QString kHeading = QStringLiteral(" NAME                                  INCOME         EXPENSE");

} // namespace

QString summaryAmountsLine(const QString& name, Currency income, Currency expense, const QString& gap)
{
    return blanks(1) + fitted(name, 30) + amountText(income, 15) + gap + amountText(expense, 15);
}

// The opening stands in the income column, the closing in the expense column.
QString summaryOpeningLine(const SummaryDocument& doc)
{
    return QStringLiteral("Op.Balance     ") + blanks(16) + amountText(doc.opening, 15);
}

QString summaryNetTotalLine(const SummaryDocument& doc)
{
    return blanks(11) + QStringLiteral("Net Total ") + blanks(10) + amountText(doc.netIncome(), 15) +
           amountText(doc.expense, 15);
}

QString summaryClosingLine(const SummaryDocument& doc)
{
    return QStringLiteral("CL.Balance      ") + blanks(16) + blanks(15) + amountText(doc.closing(), 15);
}

void writeSummaryText(const SummaryDocument& doc, const std::function<void(const QString&)>& writeLine)
{
    writeLine(blanks(1) + doc.title);
    writeLine(blanks(10) + QStringLiteral("           RECIEPT & PAYMENT REPORT  "));
    writeLine(QString());
    writeLine(doc.dateLine());
    writeLine(dashes(63));
    writeLine(blanks(1) + kHeading);
    writeLine(dashes(63));
    for (const HeadIncome& h : doc.heads)
        writeLine(summaryAmountsLine(h.name, h.income, h.expense, QString()));
    writeLine(dashes(63));
    writeLine(summaryAmountsLine(QString(), doc.income, doc.expense, QString()));
    if (!doc.request.withOpening)
        return;
    writeLine(summaryOpeningLine(doc));
    writeLine(QStringLiteral("- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -"));
    writeLine(summaryNetTotalLine(doc));
    writeLine(dashes(63));
    writeLine(summaryClosingLine(doc));
}

} // namespace pellam::app
