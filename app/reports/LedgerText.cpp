#include "reports/LedgerWriters.h"

#include "format/DateText.h"
#include "reports/ReportText.h"

namespace pellam::app {

namespace {

const QString kMargin = blanks(3);
const QString kRule = kMargin + dashes(80);

// Lines go straight on to whoever writes them.
struct LineOut {
    const std::function<void(const QString&)>& writeLine;
    LineOut& operator<<(const QString& line)
    {
        writeLine(line);
        return *this;
    }
};

void startHead(LineOut& out, const LedgerDocument& doc, const LedgerHead& head)
{
    for (const QString& title : ledgerHeadTitles(doc, head))
        out << kMargin + title;
    out << kRule;
    out << kMargin + QStringLiteral(" B/V No   Date      Account name                         Debit Rs.    Credit Rs.");
    out << kRule;
    if (head.opening > Currency())
        out << blanks(20) + QStringLiteral("    To Balance B/d") + blanks(14) + amountText(head.opening, 16);
    else
        out << blanks(24) + QStringLiteral("    By Balance B/d") + blanks(14) + amountText(head.opening.abs(), 27);
    if (doc.request.lines)
        out << kRule;
}

void writeVoucher(LineOut& out, const LedgerRequest& r, const LedgerVoucher& v)
{
    const QString start = ledgerLineStart(v, r) + QLatin1Char(' ') + datetext::format(v.date);
    if (v.debit)
        out << start + QStringLiteral(" To ") + fitted(v.otherName, 29) + amountText(v.amount, 15);
    else
        out << start + QStringLiteral("    By   ") + fitted(v.otherName, 29) + amountText(v.amount, 25);
    if (r.narration)
        for (const QString& line : narrationLines(v.narration))
            out << blanks(22) + line;
    if (r.lines)
        out << kRule;
}

void endHead(LineOut& out, const LedgerTotals& totals)
{
    out << kRule;
    const QString lead = blanks(19);
    out << lead + QStringLiteral("    Total         ") + blanks(16) + amountText(totals.debit(), 15) +
               amountText(totals.credit(), 15);
    out << QString();
    const QString balance = lead + QStringLiteral("    Balance       ") + blanks(16);
    out << balance + (totals.debitsLarger() ? blanks(15) : QString()) + amountText(totals.balance(), 15);
    out << QString() << QString();
}

} // namespace

QStringList ledgerHeadTitles(const LedgerDocument& doc, const LedgerHead& head)
{
    return {doc.title, QStringLiteral("Ledger report ") + QStringLiteral(" of ") + head.name,
            QStringLiteral(" From ") + datetext::format(doc.request.from) + QStringLiteral("   ---> To ") +
                datetext::format(doc.request.to)};
}

QString ledgerLineStart(const LedgerVoucher& voucher, const LedgerRequest& request)
{
    return voucherLineStart(request, voucher.jouNo, voucher.serial, voucher.billNo, voucher.shopId, 5, 3);
}

void writeLedgerText(const LedgerDocument& doc, const std::function<void(const QString&)>& writeLine,
                     const HeadStarted& headStarted)
{
    LineOut out{writeLine};
    walkLedger(doc,
               {.headStarts = [&](const LedgerHead& head) { startHead(out, doc, head); },
                .voucher = [&](const LedgerVoucher& v) { writeVoucher(out, doc.request, v); },
                .headEnds = [&](const LedgerHead&, const LedgerTotals& totals) { endHead(out, totals); }},
               headStarted);
}

} // namespace pellam::app
