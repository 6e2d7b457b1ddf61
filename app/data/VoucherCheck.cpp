#include "data/VoucherCheck.h"

#include "errors/PellamError.h"
#include "format/AmountWords.h"
#include "format/DateText.h"

namespace pellam::data {

namespace {

// The plain number at the start of a text: blanks, a sign, digits, a point
// and decimals. Reading stops at anything else.
QString leadingNumber(const QString& text)
{
    QString out;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        out += text[i++];
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('.') && !point)
            point = true;
        else if (!ch.isDigit() || ch.unicode() > '9')
            break;
        out += ch;
    }
    return out;
}

} // namespace

Currency VoucherCheck::amountOf(const QString& text)
{
    // A lone sign or point is no number; Currency::parse refuses it. A
    // number too large for an amount reads as 0 too.
    try {
        return Currency::parse(leadingNumber(text)).value_or(Currency());
    } catch (const PellamError&) {
        return {};
    }
}

qint64 VoucherCheck::numberOf(const QString& text)
{
    const Currency value = amountOf(text);
    return value.raw() / Currency::kScale;
}

bool VoucherCheck::isNumber(const QString& text, qint64 number)
{
    bool ok = false;
    return text.trimmed().toLongLong(&ok) == number && ok;
}

std::optional<std::pair<QString, QDate>> VoucherCheck::outsideYear(const QDate& date, const QDate& yearStart,
                                                                   const QDate& yearEnd)
{
    if (date < yearStart)
        return std::pair{QStringLiteral(" Date cannot be Less than the ") + datetext::format(yearStart), yearStart};
    if (date > yearEnd)
        return std::pair{QStringLiteral(" Date cannot be greater than the ") + datetext::format(yearEnd), yearEnd};
    return std::nullopt;
}

std::optional<FieldProblem> VoucherCheck::check(const VoucherFields& f, const QDate& yearStart, const QDate& yearEnd)
{
    using Field = FieldProblem::Field;
    const auto date = datetext::parse(f.dateText);
    if (!date)
        return FieldProblem{Field::Date, QStringLiteral(" Invalid Journal Date !!")};
    // Leaving the date box already refuses these, but a save by its access
    // key does not leave the box.
    if (const auto outside = outsideYear(*date, yearStart, yearEnd))
        return FieldProblem{Field::Date, outside->first};
    if (f.chosenAccount.trimmed().isEmpty())
        return FieldProblem{Field::Account, QStringLiteral(" Invalid Debit Account !!")};
    // A pasted minus sign would store a negative voucher; an amount the
    // words cannot spell would print "Paid Rs.  Only".
    if (const Currency amount = amountOf(f.amountText);
        amount.isZero() || amount.isNegative() || !words::canSpell(amount))
        return FieldProblem{Field::Amount, QStringLiteral(" Invalid Amount !!")};
    if (f.editMode && numberOf(f.jouNoText) == 0)
        return FieldProblem{Field::JouNo, QStringLiteral("Invalid Journal Number to Update")};
    return std::nullopt;
}

} // namespace pellam::data
