#include "format/AmountWords.h"

#include "errors/ErrorNumber.h"
#include "format/NumericText.h"

#include <array>
#include <cmath>
#include <limits>

namespace pellam::words {

namespace {

// "Ninteen" and "Ninty" are printed on vouchers as they stand.
constexpr std::array<const char*, 31> kWords = {
    "One",     "Two",      "Three",    "Four",     "Five",      "Six",      "Seven",  "Eight",
    "Nine",    "Ten",      "Eleven",   "Twelve",   "Thirteen",  "Fourteen", "Fifteen", "Sixteen",
    "Seventeen", "Eighteen", "Ninteen", "Twenty",  "Thirty",    "Forty",    "Fifty",  "Sixty",
    "Seventy", "Eighty",   "Ninty",    "Hundred",  "Thousand",  "Lakh",     "Crore",
};

int digitAt(const QString& s, int i)
{
    return s.at(i).unicode() - '0';
}

// Head + unit + rest, where the rest (the last `tail` digits) is left out
// when it is all zeros.
QString withUnit(const QString& s, int tail, int unitIndex)
{
    const QString last = s.right(tail);
    const QString rest = last == QString(tail, QLatin1Char('0')) ? QString() : spellNumber(last.toInt());
    return spellNumber(s.left(s.size() - tail).toInt()) + QLatin1Char(' ') + numberWord(unitIndex) +
           QLatin1Char(' ') + rest;
}

// The amount as a number, or the error the conversion raises.
std::optional<Currency> toCurrency(const QVariant& amount, std::optional<PellamError>& error)
{
    if (!amount.isValid())
        return Currency();
    if (amount.isNull()) {
        error = PellamError::standard(InvalidUseOfNull, QStringLiteral("ConVNumber"));
        return std::nullopt;
    }
    try {
        switch (amount.typeId()) {
        case QMetaType::QString:
        case QMetaType::QByteArray: {
            if (auto c = Currency::parse(amount.toString()))
                return c;
            error = PellamError::standard(TypeMismatch, QStringLiteral("ConVNumber"));
            return std::nullopt;
        }
        case QMetaType::Bool: return Currency::fromRupees(amount.toBool() ? -1 : 0);
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::LongLong: return Currency::fromRupees(amount.toLongLong());
        default: break;
        }
        bool ok = false;
        const double d = amount.toDouble(&ok);
        if (!ok) {
            error = PellamError::standard(TypeMismatch, QStringLiteral("ConVNumber"));
            return std::nullopt;
        }
        return Currency::fromDouble(d);
    } catch (const PellamError& e) {
        error = e;
        return std::nullopt;
    }
}

} // namespace

QString numberWord(int index)
{
    if (index < 1 || index > int(kWords.size()))
        throw PellamError::standard(SubscriptOutOfRange, QStringLiteral("NumberWord"));
    return QString::fromLatin1(kWords[index - 1]);
}

QString spellNumber(int value)
{
    const QString s = QString::number(std::abs(static_cast<long long>(value)));
    switch (s.size()) {
    case 1: return numberWord(value);
    case 2:
        if (digitAt(s, 0) == 1)
            return numberWord(value);
        if (digitAt(s, 1) == 0)
            return numberWord(18 + digitAt(s, 0));
        return numberWord(18 + digitAt(s, 0)) + QLatin1Char(' ') + numberWord(digitAt(s, 1));
    case 3: {
        const QString rest = s.right(2) == QLatin1String("00") ? QString() : spellNumber(s.right(2).toInt());
        return numberWord(digitAt(s, 0)) + QLatin1Char(' ') + numberWord(28) + QLatin1Char(' ') + rest;
    }
    case 4:
    case 5: return withUnit(s, 3, 29);
    case 6:
    case 7: return withUnit(s, 5, 30);
    default: return withUnit(s, 7, 31);
    }
}

bool canSpell(Currency amount)
{
    // In paise, so that 2147483647.995 (rounded to 2147483648.00) is out.
    constexpr std::int64_t kBeyond = (std::int64_t(std::numeric_limits<int>::max()) + 1) * 100;
    try {
        const std::int64_t paise = amount.paise();
        return paise > -kBeyond && paise < kBeyond;
    } catch (const PellamError&) {
        return false; // too large even to round
    }
}

AmountInWords amountInWords(const QVariant& amount, bool rupeesAndPaise)
{
    AmountInWords out;
    const std::optional<Currency> value = toCurrency(amount, out.error);
    if (!value)
        return out;
    if (value->isZero())
        return out;

    // Two decimals, no leading zero: "1234.50", ".75", "-5.25".
    QString t = value->toString(2);
    if (t.startsWith(QLatin1String("0.")))
        t.remove(0, 1);
    else if (t.startsWith(QLatin1String("-0.")))
        t.remove(1, 1);

    const int paise = t.right(2).toInt();
    int rupees = 0;
    if (!canSpell(*value))
        out.error = PellamError::standard(Overflow, QStringLiteral("ConVNumber"));
    else
        rupees = int(numeric::leadingValue(t.left(t.size() - 2)));

    try {
        const QString wp = paise > 0 ? spellNumber(paise) : QString();
        const QString wr = rupees > 0 ? spellNumber(rupees) : QString();
        if (rupeesAndPaise) {
            if (rupees > 0 && paise > 0)
                out.text = QStringLiteral(" Rupees ") + wr + QStringLiteral(" and ") + wp + QStringLiteral(" Paise ");
            else if (rupees > 0)
                out.text = QStringLiteral(" Rupees ") + wr;
            else
                out.text = wp + QStringLiteral(" Paise ");
        } else {
            if (rupees > 0 && paise > 0)
                out.text = wr + QStringLiteral(" and ") + wp;
            else if (rupees > 0)
                out.text = wr;
            else
                out.text = wp;
        }
    } catch (const PellamError& e) {
        out.error = e;
    }
    return out;
}

} // namespace pellam::words
