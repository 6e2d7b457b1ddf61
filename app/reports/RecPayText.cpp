#include "reports/RecPayWriters.h"

#include "format/DateText.h"
#include "reports/ReportText.h"

namespace pellam::app {

namespace {

const QString kRule = blanks(5) + dashes(88);

} // namespace

QString recPayOpeningLine(const RecPayDocument& doc, const QString& toBalance, const QString& byBalance)
{
    if (doc.opening > Currency())
        return blanks(7) + toBalance + blanks(22) + amountText(doc.opening, 15);
    return blanks(7) + blanks(9) + byBalance + blanks(13) + amountText(doc.opening.abs(), 30);
}

QString recPayVoucherRule()
{
    return blanks(8) + dashes(89);
}

QStringList recPayVoucherLines(const RecPayDocument& doc, const RecPayVoucher& v)
{
    const ReportChoices& r = doc.request;
    // Receipts carry the full year, payments two digits of it.
    const QString date = v.receipt ? datetext::format(v.date) : v.date.toString(QStringLiteral("dd/MM/yy"));
    QStringList lines{blanks(5) + voucherLineStart(r, v.jouNo, v.serial, v.billNo, v.shopId, 7, 2) + blanks(8) + date + QLatin1Char(' ') + fitted(v.accountName, 30) +
                      amountText(v.amount, v.receipt ? 15 : 30)};
    if (r.narration) {
        const QStringList narration = narrationLines(v.narration, 32);
        for (qsizetype i = 0; i < narration.size(); ++i)
            lines << blanks(i + 1 < narration.size() ? 31 : 33) + narration[i];
    }
    if (r.lines)
        lines << recPayVoucherRule();
    return lines;
}

QString recPayTotalsLine(const RecPayTotals& totals, const QString& total)
{
    return blanks(8) + total + blanks(22) + amountText(totals.receipts(), 15) + amountText(totals.payments(), 15);
}

QString recPayBalanceLine(const RecPayTotals& totals, const QString& balance)
{
    return blanks(8) + balance + blanks(22) + amountText(totals.balance(), totals.balanceIsPayment() ? 30 : 15);
}

QString recPayBalancedLine(const RecPayTotals& totals, int lead)
{
    return blanks(8) + blanks(lead) + blanks(22) + amountText(totals.balancedTotal(), 15) +
           amountText(totals.balancedTotal(), 15);
}

void writeRecPayText(const RecPayDocument& doc, const std::function<void(const QString&)>& writeLine)
{
    const ReportChoices& r = doc.request;
    writeLine(QString());
    writeLine(blanks(10) + doc.title);
    writeLine(blanks(20) + QStringLiteral("Receipt and Payments"));
    writeLine(blanks(5) + QStringLiteral("      From  ") + datetext::format(r.from) + QStringLiteral("  -------> To ") +
              datetext::format(r.to));
    writeLine(kRule);
    writeLine(blanks(5) +
              QStringLiteral(" B/V No.  L/F     Date       Account name                      Receipt Rs.    Payment Rs."));
    writeLine(kRule);
    writeLine(recPayOpeningLine(doc, QStringLiteral("                     To Balance B/d"),
                                QStringLiteral("                     By Balance B/d")));
    if (r.lines)
        writeLine(blanks(8) + dashes(86));
    const RecPayTotals totals = walkRecPay(doc, [&](const RecPayVoucher& v) {
        for (const QString& line : recPayVoucherLines(doc, v))
            writeLine(line);
    });
    writeLine(blanks(5) + dashes(89));
    writeLine(recPayTotalsLine(totals, QStringLiteral("                    Total         ")));
    writeLine(QString());
    writeLine(QString());
    writeLine(recPayBalanceLine(totals, QStringLiteral("                   Balance        ")));
    writeLine(blanks(5) + dashes(86));
    writeLine(recPayBalancedLine(totals, 34));
}

} // namespace pellam::app
