#include "reports/SummaryWriters.h"

#include "reports/ReportText.h"

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
        // The totals and cash lines too break to a new page, so that none
        // runs off the foot of a page.
        p_.setPageHeader([this] {
            p_.pageNumber(kMeasure);
            columnHeading();
        });
        const QString gap = blanks(1);
        for (const HeadIncome& h : doc_.heads)
            p_.body(summaryAmountsLine(h.name, h.income, h.expense, gap));
        p_.body(dashes(66));
        p_.body(summaryAmountsLine(QString(), doc_.income, doc_.expense, gap));
        if (!doc_.request.withOpening)
            return;
        p_.body(summaryOpeningLine(doc_));
        p_.body(kRule);
        p_.body(summaryNetTotalLine(doc_));
        p_.body(kRule);
        p_.body(summaryClosingLine(doc_));
    }

private:
    void columnHeading()
    {
        p_.line(kRule);
        p_.line(kHeading);
        p_.line(kRule);
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
