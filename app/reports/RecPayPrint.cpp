#include "reports/RecPayWriters.h"

#include "format/DateText.h"
#include "reports/ReportText.h"

namespace pellam::app {

namespace {

const QString kMargin = blanks(5);
const QString kRule = kMargin + dashes(89);
const QString kMeasure = QStringLiteral("Page : Page :");

class RecPayPages {
public:
    RecPayPages(const RecPayDocument& doc, ReportPrinter& printer) : doc_(doc), p_(printer) {}

    void print()
    {
        const ReportChoices& r = doc_.request;
        // Its own rules are wider than the common 87 dashes: the font fits
        // the widest line it prints, so that no rule runs off the paper.
        size_ = p_.fitFont(r.lines ? recPayVoucherRule() : kRule, 20, 8);
        p_.pageNumber(kMeasure);
        p_.setFontSize(size_ + 5);
        p_.centred(doc_.title);
        if (!doc_.place.isEmpty())
            p_.centred(doc_.place);
        p_.centred(QStringLiteral("R E C E I P T   A N D  P A Y M E N T"));
        p_.setFontSize(size_ + 3);
        p_.centred(QStringLiteral("From  ") + datetext::format(r.from) + QStringLiteral("  -------> To ") +
                   datetext::format(r.to));
        p_.setFontSize(size_);
        p_.line(kRule);
        p_.line(kMargin +
                QStringLiteral(" B/V No.   L/F    Date      Account name                         Receipt Rs.  Payment Rs."));
        p_.line(kRule);
        p_.setPageHeader([this] { pageHeader(); });

        p_.body(recPayOpeningLine(doc_, QStringLiteral("                   To Balance B/d"),
                               QStringLiteral("                   By Balance B/d")));
        if (r.lines)
            p_.body(blanks(8) + dashes(86));
        const RecPayTotals totals = walkRecPay(doc_, [this](const RecPayVoucher& v) {
            for (const QString& line : recPayVoucherLines(doc_, v))
                p_.body(line);
        });
        p_.body(kRule);
        p_.body(recPayTotalsLine(totals, QStringLiteral("                  Total         ")));
        p_.body(recPayBalanceLine(totals, QStringLiteral("                 Balance        ")));
        p_.body(kRule);
        p_.body(recPayBalancedLine(totals, 32));
    }

private:
    // After a page break: the page number and the column heading again.
    void pageHeader()
    {
        p_.pageNumber(kMeasure);
        p_.line(kRule);
        p_.line(kMargin +
                QStringLiteral(" B/V No.   L/F    Date      Account name                        Receipt Rs.   Payment Rs."));
        p_.line(kRule);
    }

    const RecPayDocument& doc_;
    ReportPrinter& p_;
    double size_ = 12;
};

} // namespace

void printRecPay(const RecPayDocument& doc, ReportPrinter& printer)
{
    RecPayPages(doc, printer).print();
}

} // namespace pellam::app
