#include "format/IndianNumberFormat.h"

#include "errors/ErrorNumber.h"
#include "format/NumericText.h"

#include <QLocale>
#include <optional>
#include <cmath>

namespace pellam {

namespace {

// The integer part exactly as typed, for numbers too large to group.
QString typedInteger(const QString& digits)
{
    QString out;
    for (QChar ch : digits) {
        if (ch == u' ')
            continue;
        if (ch.isDigit() || (out.isEmpty() && (ch == u'-' || ch == u'+')))
            out += ch;
        else
            break;
    }
    return out;
}

// The fraction as it is printed: "." followed by `decimals` zeros when it is
// zero, otherwise as typed, padded with zeros to `decimals` places.
QString fractionPart(const QString& digits, int decimals)
{
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString q = point < 0 ? QStringLiteral(".") : digits.mid(point);
    if (numeric::leadingValue(q) == 0)
        return QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    while (q.size() - 1 < decimals)
        q += QLatin1Char('0');
    return q;
}

// Plain amount text ("-1234.50", "7.", ".5", ""), read without the general
// number reader: reports format a million amounts at a time. Nothing for
// any other text, which takes the general path.
std::optional<QString> formatPlain(const QString& digits, int decimals)
{
    const QChar* p = digits.constData();
    const qsizetype n = digits.size();
    qsizetype i = 0;
    const bool negative = n > 0 && p[0] == u'-';
    if (negative)
        ++i;
    unsigned long long whole = 0;
    int wholeDigits = 0;
    for (; i < n && p[i] >= u'0' && p[i] <= u'9'; ++i) {
        if (++wholeDigits > 18)
            return std::nullopt;
        whole = whole * 10 + (p[i].unicode() - '0');
    }
    QString q = QStringLiteral(".");
    bool fractionNonZero = false;
    if (i < n) {
        if (p[i] != u'.')
            return std::nullopt;
        for (qsizetype k = i + 1; k < n; ++k) {
            if (p[k] < u'0' || p[k] > u'9')
                return std::nullopt;
            fractionNonZero = fractionNonZero || p[k] != u'0';
        }
        q = digits.mid(i);
    }
    if (!fractionNonZero)
        q = QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    else
        while (q.size() - 1 < decimals)
            q += QLatin1Char('0');
    if (negative && (whole != 0 || fractionNonZero))
        return QLatin1Char('-') + QString::number(whole) + q;
    return (whole < 1000 ? QString::number(whole) : groupIndian(whole)) + q;
}

} // namespace

QString groupIndian(unsigned long long value)
{
    if (value < 1000)
        return QString::number(value);
    QString text = QLatin1Char(',') + QString::number(value % 1000).rightJustified(3, QLatin1Char('0'));
    value /= 1000;
    while (value >= 100) {
        text.prepend(QLatin1Char(',') + QString::number(value % 100).rightJustified(2, QLatin1Char('0')));
        value /= 100;
    }
    if (value > 0)
        text.prepend(QString::number(value));
    return text;
}

QString formatIndianAmount(Currency amount, int width)
{
    const std::int64_t paise = amount.paise();
    const bool negative = paise < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t(0) - std::uint64_t(paise) : std::uint64_t(paise);
    std::uint64_t whole = magnitude / 100;
    const int fraction = int(magnitude % 100);
    // Filled from the right: decimals, then the rupees in groups.
    char16_t text[64];
    int at = 64;
    text[--at] = char16_t(u'0' + fraction % 10);
    text[--at] = char16_t(u'0' + fraction / 10);
    text[--at] = u'.';
    const bool grouped = !negative && whole >= 1000;
    int written = 0;
    do {
        if (grouped && (written == 3 || (written > 3 && (written - 3) % 2 == 0)))
            text[--at] = u',';
        text[--at] = char16_t(u'0' + whole % 10);
        whole /= 10;
        ++written;
    } while (whole > 0);
    if (negative)
        text[--at] = u'-';
    const int length = 64 - at;
    QString out;
    out.reserve(std::max(width, length));
    if (length < width)
        out.fill(QLatin1Char(' '), width - length);
    out.append(reinterpret_cast<const QChar*>(text + at), length);
    return out;
}

FormattedNumber formatIndian(const QString& digits, int width, int decimals, bool regional)
{
    FormattedNumber out;
    decimals = std::max(decimals, 0);
    QString f;
    if (regional) {
        f = QLocale::system().toString(double(numeric::leadingValue(digits)), 'f', decimals);
    } else if (const auto plain = formatPlain(digits, decimals)) {
        f = *plain;
    } else {
        const QString q = fractionPart(digits, decimals);
        const qsizetype point = digits.indexOf(QLatin1Char('.'));
        const long double v = std::trunc(numeric::leadingValue(point < 0 ? digits : digits.left(point + 1)));
        if (std::fabs(v) >= 9.2e18L) {
            // Beyond the 64-bit range on either side: the digits as typed,
            // and the error, for a debt as for a credit.
            out.error = PellamError::standard(Overflow, QStringLiteral("NumFormat"));
            f = typedInteger(digits) + q;
        } else if (v < 1000) {
            // A negative amount under one rupee keeps its sign ("-0.50").
            const bool negativeFraction = v == 0 && numeric::leadingValue(digits) < 0;
            f = (negativeFraction ? QStringLiteral("-0") : QString::number(static_cast<long long>(v))) + q;
        } else {
            f = groupIndian(static_cast<unsigned long long>(v)) + q;
        }
    }
    out.text = f.size() < width ? QString(width - f.size(), QLatin1Char(' ')) + f : f;
    return out;
}

} // namespace pellam
