#include "vouchers/VoucherLayout.h"

#include "core/Common.h"
#include "format/IndianNumberFormat.h"
#include "format/LineBreak.h"
#include "format/PrintableText.h"
#include "text/Windows1252.h"

namespace pellam::app {

namespace {

constexpr char kEsc = 27;
constexpr int kWordsWidth = 40;
constexpr int kNarrationWidth = 38;

const QString kRule = QString(46, QLatin1Char('-'));

QByteArray escape(char command, int value)
{
    const char bytes[] = {kEsc, command, char(value)};
    return QByteArray(bytes, sizeof bytes);
}

// "#,##,##,##0.00": Indian grouping of any size, two decimals.
QString rupees(Currency amount)
{
    const qint64 paise = amount.paise();
    return groupIndian((unsigned long long)(paise / 100)) + QLatin1Char('.') +
           QStringLiteral("%1").arg(paise % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QStringList VoucherLayout::amountLines(const QString& words)
{
    // Each line ends at a blank that also begins the next, so that every
    // line stays within the form.
    return linebreak::wrap(QStringLiteral("Paid Rs. ") + properCase(words) + QStringLiteral(" Only"), kWordsWidth,
                           linebreak::Blank::Shared);
}

QStringList VoucherLayout::narrationLines(const QString& narration)
{
    // Blanks for control characters first, so the narration breaks where it prints blanks.
    const QString text = properCase(printable(narration).trimmed());
    if (text.size() <= kNarrationWidth)
        return {QStringLiteral("   On Account of ") + text};
    QStringList lines = linebreak::wrap(text, kNarrationWidth, linebreak::Blank::Shared);
    lines.front().prepend(QStringLiteral("   On Account of  "));
    return lines;
}

QByteArray VoucherLayout::bytes(const PrintedVoucher& v)
{
    QByteArray out = escape('j', 216) + escape('j', 108);
    const auto line = [&out](const QByteArray& bytes) { out += bytes + "\r\n"; };
    // Every text becomes bytes here, its control characters blanks: the
    // only codes the printer gets are the layout's own.
    const auto printed = [](const QString& s) { return windows1252::encode(printable(s)); };
    const auto text = [&line, &printed](const QString& s) { line(printed(s)); };

    text(v.shopName);
    line(escape(' ', 7) + printed(QStringLiteral("  ") + v.placeLine) + escape(' ', 0));
    text({});
    line(QByteArray("\x0e") + "        VOUCHER" + QByteArray("\x12"));
    text({});
    text(QStringLiteral("Vou.No : ") + QLatin1Char(v.payment ? 'P' : 'R') + v.billNo.trimmed() +
         QStringLiteral("                  Date : ") + v.date);
    text(kRule);
    for (const QString& s : amountLines(v.amountWords))
        text(s);
    for (const QString& s : narrationLines(v.narration))
        text(s);
    text(QLatin1Char('[') + v.account + QLatin1Char(']'));
    text({});
    text(kRule);
    text(QStringLiteral("Amount : Rs.") + rupees(v.amount) + QStringLiteral("/-"));
    text(kRule);
    text({});
    text(QStringLiteral("  Received  ................       ..........."));
    text({});
    text(QStringLiteral("  Paid      ................       ..........."));
    text(QStringLiteral("                 Name               Signature"));
    text({});
    line(escape('J', 216));
    line(escape('J', 108));
    return out;
}

} // namespace pellam::app
