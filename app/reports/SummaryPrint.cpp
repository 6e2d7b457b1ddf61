#include "reports/SummaryPrint.h"

#include "reports/ReportText.h"
#include "reports/SummaryText.h"

namespace pellam::app {

namespace {

const QString kMeasure = QStringLiteral("Page : Page :");
const QString kRule = dashes(69);
const QString kHeading = blanks(1) + QStringLiteral(" NAME                                  INCOME         EXPENSE");

class SummaryPages {
public:
    SummaryPages(const SummaryDocument& doc, ReportPrinter& printer) : doc_(doc), p_(printer) {}

    void print()
    {
        p_.fitFont(blanks(5) + dashes(87), 20, 8);
        p_.pageNumber(kMeasure);
        p_.centred(doc_.title);
        p_.centred(QStringLiteral("RECEIPT & PAYMENT SUMMARY"));
        p_.line(doc_.dateLine());
        columnHeading();
        const QString gap = blanks(1);
        for (const HeadIncome& h : doc_.heads)
            body(summaryAmountsLine(h.name, h.income, h.expense, gap));
        body(dashes(66));
        body(summaryAmountsLine(QString(), doc_.income, doc_.expense, gap));
        if (!doc_.request.withOpening)
            return;
        body(summaryOpeningLine(doc_));
        body(kRule);
        body(summaryNetTotalLine(doc_));
        body(kRule);
        body(summaryClosingLine(doc_));
    }

private:
    void columnHeading()
    {
        p_.line(kRule);
        p_.line(kHeading);
        p_.line(kRule);
    }
    // A body line, on a new page with the page number and column heading
    // again when this one is full; the totals and cash lines too, so that
    // none runs off the foot of a page.
    void body(const QString& text)
    {
        if (p_.pageFull()) {
            p_.newPage();
            p_.pageNumber(kMeasure);
            columnHeading();
        }
        p_.line(text);
    }

    const SummaryDocument& doc_;
    ReportPrinter& p_;
};

} // namespace

void printSummary(const SummaryDocument& doc, ReportPrinter& printer)
{
    SummaryPages(doc, printer).print();
}

} // namespace pellam::app
