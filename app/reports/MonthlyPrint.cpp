#include "reports/MonthlyWriters.h"

#include "reports/ReportText.h"

namespace pellam::app {

namespace {

constexpr double kBodySize = 10;
constexpr double kTitleSize = 14;
constexpr double kSubtitleSize = 12;
// The titles begin this many blanks further right than centring alone
// would put them.
constexpr int kTitleLead = 8 + 8;

class MonthlyPages {
public:
    MonthlyPages(const MonthlyDocument& doc, ReportPrinter& printer) : doc_(doc), p_(printer) {}

    void print()
    {
        p_.setFontSize(kBodySize);
        p_.pageNumberAtEdge();
        p_.setFontSize(kTitleSize);
        p_.centred(doc_.title, kTitleLead);
        p_.setFontSize(kSubtitleSize);
        if (!doc_.place.isEmpty())
            p_.centred(doc_.place, kTitleLead);
        p_.centred(doc_.statement, kTitleLead);
        p_.setFontSize(kBodySize);
        p_.line();
        columnHeading();
        // The cash lines too break to a new page, so that none falls below
        // the page's bottom limit.
        p_.setPageHeader([this] {
            p_.pageNumberAtEdge();
            columnHeading();
        });
        for (const HeadIncome& head : doc_.heads)
            p_.body(monthlyHeadLine(head, kMonthlyPrintColumns));
        for (const QString& line : monthlyEndLines(doc_, kMonthlyPrintColumns))
            p_.body(line);
    }

private:
    void columnHeading()
    {
        const QString rule = blanks(kMonthlyPrintColumns.margin) + dashes(69);
        p_.line(rule);
        p_.line(blanks(kMonthlyPrintColumns.margin) +
                QStringLiteral(" NAME                                  INCOME         EXPENSE"));
        p_.line(rule);
    }

    const MonthlyDocument& doc_;
    ReportPrinter& p_;
};

} // namespace

void printMonthly(const MonthlyDocument& doc, ReportPrinter& printer)
{
    MonthlyPages(doc, printer).print();
}

} // namespace pellam::app
