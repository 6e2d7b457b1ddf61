#include "reports/LedgerWriters.h"

#include "format/DateText.h"
#include "reports/ReportText.h"

#include <utility>

namespace pellam::app {

namespace {

const QString kMargin = blanks(5);
const QString kRule = kMargin + dashes(86);
const QString kColumns =
    kMargin + QStringLiteral(" B/V No.   J/F    Date      Account name                       Debit Rs.    Credit Rs.");

class LedgerPages {
public:
    LedgerPages(const LedgerDocument& doc, ReportPrinter& printer, const HeadStarted& headStarted)
        : doc_(doc), p_(printer), headStarted_(headStarted)
    {
    }

    void print()
    {
        size_ = p_.fitFont(kMargin + dashes(87), 20, 8);
        p_.setPageHeader([this] {
            p_.pageNumber(QStringLiteral("Page : Page : page"));
            columnHeading();
        });
        bool first = true;
        walkLedger(doc_,
                   {.headStarts =
                        [&](const LedgerHead& head) {
                            // Every head on a page of its own.
                            if (!std::exchange(first, false))
                                p_.newPage();
                            startHead(head);
                        },
                    .voucher = [this](const LedgerVoucher& v) { printVoucher(v); },
                    .headEnds = [this](const LedgerHead&, const LedgerTotals& totals) { endHead(totals); }},
                   headStarted_);
    }

private:
    void columnHeading()
    {
        p_.line(kRule);
        p_.line(kColumns);
        p_.line(kRule);
    }


    void startHead(const LedgerHead& head)
    {
        const LedgerRequest& r = doc_.request;
        p_.setFontSize(size_);
        p_.pageNumber(QStringLiteral("Page : Page :page"));
        p_.setFontSize(size_ + 5);
        p_.centred(doc_.title);
        if (!doc_.place.isEmpty())
            p_.centred(doc_.place);
        p_.setFontSize(size_ + 3);
        p_.centred(QStringLiteral("LEDGER REPORT  of ") + head.name.trimmed());
        p_.centred(QStringLiteral("From ") + datetext::format(r.from) + QStringLiteral(" ------> To ") +
                   datetext::format(r.to));
        p_.setFontSize(size_);
        columnHeading();

        if (head.opening > Currency())
            p_.body(blanks(30) + QStringLiteral("  To Balance B/d") + blanks(15) + amountText(head.opening, 15));
        else
            p_.body(blanks(35) + QStringLiteral("  By Balance B/d") + blanks(10) + amountText(head.opening.abs(), 30));
        if (r.lines)
            p_.body(kRule);
    }

    void printVoucher(const LedgerVoucher& v)
    {
        const LedgerRequest& r = doc_.request;
        const QString start = blanks(11) + ledgerLineStart(v, r) + QLatin1Char(' ') + datetext::format(v.date);
        p_.body(start + (v.debit ? QStringLiteral("  To ") : QStringLiteral("  By ")) + fitted(v.otherName, 30) +
                amountText(v.amount, v.debit ? 10 : 25));
        if (r.narration) {
            const QStringList lines = narrationLines(v.narration);
            for (qsizetype i = 0; i < lines.size(); ++i)
                p_.body(blanks(i > 0 && i < lines.size() - 1 ? 32 : 35) + lines[i]);
        }
        if (r.lines)
            p_.body(kRule);
    }

    void endHead(const LedgerTotals& totals)
    {
        p_.body(kMargin + dashes(85));
        p_.body(blanks(30) + QStringLiteral("    Total       ") + blanks(15) + amountText(totals.debit(), 15) +
                amountText(totals.credit(), 15));
        const QString balance = blanks(30) + QStringLiteral("   Balance      ") + blanks(15);
        p_.body(balance + amountText(totals.balance(), totals.debitsLarger() ? 30 : 15));
    }

    const LedgerDocument& doc_;
    ReportPrinter& p_;
    const HeadStarted& headStarted_;
    double size_ = 12;
};

} // namespace

void printLedger(const LedgerDocument& doc, ReportPrinter& printer, const HeadStarted& headStarted)
{
    LedgerPages(doc, printer, headStarted).print();
}

} // namespace pellam::app
