#include "reports/SummaryWriters.h"

#include "reports/ReportText.h"

namespace pellam::app {

void writeSummarySheet(const SummaryDocument& doc, WorkbookSink& sheet)
{
    sheet.mergedText(QStringLiteral("B3:D3"), doc.title);
    sheet.mergedText(QStringLiteral("B4:D4"), QStringLiteral("           RECEIPT & PAYMENT SUMMARY  "));
    sheet.mergedText(QStringLiteral("B5:D5"), doc.dateLine());
    // The frame reaches down to the totals; told before the rows it frames.
    const int lastHead = 6 + int(doc.heads.size());
    const int totals = lastHead + 1;
    sheet.borders(QStringLiteral("B3:D%1").arg(totals));
    sheet.columnHeadings(6);
    sheet.text(QStringLiteral("B6"), QStringLiteral("ACCOUNT"));
    sheet.text(QStringLiteral("C6"), QStringLiteral("INCOME"));
    sheet.text(QStringLiteral("D6"), QStringLiteral("EXPENSE"));
    int row = 7;
    for (const HeadIncome& h : doc.heads) {
        sheet.text(cellAt('B', row), h.name);
        sheet.amount(cellAt('C', row), h.income);
        sheet.amount(cellAt('D', row), h.expense);
        ++row;
    }
    sheet.text(cellAt('B', totals), QStringLiteral("Total"));
    sheet.formula(cellAt('C', totals), sumFormula('c', 6, lastHead), doc.income);
    sheet.formula(cellAt('D', totals), sumFormula('d', 6, lastHead), doc.expense);
    if (!doc.request.withOpening)
        return;
    const int opening = ++row;
    sheet.text(cellAt('B', opening), QStringLiteral("Op.Balance"));
    sheet.amount(cellAt('C', opening), doc.opening);
    // The net total adds the opening to the totals row alone: the heads
    // above it are already in the totals.
    const int net = ++row;
    sheet.text(cellAt('B', net), QStringLiteral("Net Total"));
    sheet.formula(cellAt('C', net), sumFormula('c', totals, opening), doc.netIncome());
    sheet.formula(cellAt('D', net), sumFormula('d', totals, opening), doc.expense);
    const int closing = ++row;
    sheet.text(cellAt('B', closing), QStringLiteral("CL.Balance"));
    sheet.amount(cellAt('D', closing), doc.closing());
}

} // namespace pellam::app
