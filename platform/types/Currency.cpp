#include "types/Currency.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pellam {

namespace {

[[noreturn]] void overflow()
{
    throw PellamError::standard(Overflow, QStringLiteral("Currency"));
}

std::int64_t checkedMul(std::int64_t a, std::int64_t b)
{
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        overflow();
    return r;
}

std::int64_t checkedAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r))
        overflow();
    return r;
}

// a * b + c for a magnitude that may not pass `limit`.
std::uint64_t magnitudeOf(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t limit)
{
    std::uint64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r) || __builtin_add_overflow(r, c, &r) || r > limit)
        overflow();
    return r;
}

// a / b rounded half to even, b > 0.
std::int64_t divideHalfEven(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    std::int64_t r = a % b;
    if (r < 0) {
        r += b;
        q -= 1;
    }
    const std::int64_t twice = 2 * r;
    if (twice > b || (twice == b && (q % 2 != 0)))
        q += 1;
    return q;
}

constexpr std::int64_t kPow10[] = {1, 10, 100, 1000, 10000};

} // namespace

Currency Currency::fromPaise(std::int64_t paise)
{
    return Currency(checkedMul(paise, 100));
}

Currency Currency::fromRupees(std::int64_t rupees)
{
    return Currency(checkedMul(rupees, kScale));
}

Currency Currency::fromDouble(double value)
{
    const double scaled = std::nearbyint(value * double(kScale)); // the FPU's default rounds half to even
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18)
        overflow();
    return Currency(std::int64_t(scaled));
}

std::optional<Currency> Currency::parse(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    // The magnitude is gathered unsigned and checked against the limit of its
    // sign, so that the most negative amount reads back as it prints.
    const std::uint64_t limit = negative ? std::uint64_t(1) << 63 : std::uint64_t(std::numeric_limits<std::int64_t>::max());
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0;  // in units of 10^-digits
    int fractionDigits = 0;
    bool digits = false, point = false;
    int roundDigit = -1;         // the fifth decimal, for rounding
    bool beyondNonZero = false;  // anything non-zero after the fifth decimal
    for (QChar ch : text) {
        if (ch == u'.' && !point) {
            point = true;
            continue;
        }
        if (!ch.isDigit() || ch.unicode() > '9')
            return std::nullopt;
        digits = true;
        const int d = ch.unicode() - '0';
        if (!point) {
            whole = magnitudeOf(whole, 10, d, limit);
        } else if (fractionDigits < 4) {
            fraction = fraction * 10 + d;
            ++fractionDigits;
        } else if (roundDigit < 0) {
            roundDigit = d;
        } else if (d != 0) {
            beyondNonZero = true;
        }
    }
    if (!digits)
        return std::nullopt;
    std::uint64_t value = magnitudeOf(whole, kScale, fraction * kPow10[4 - fractionDigits], limit);
    if (roundDigit > 5 || (roundDigit == 5 && (beyondNonZero || value % 2 != 0)))
        value = magnitudeOf(value, 1, 1, limit);
    return Currency(negative ? std::int64_t(0 - value) : std::int64_t(value));
}

Currency Currency::rounded(int decimals) const
{
    decimals = std::clamp(decimals, 0, 4);
    const std::int64_t unit = kPow10[4 - decimals];
    return Currency(checkedMul(divideHalfEven(value_, unit), unit));
}

QString Currency::toString(int decimals) const
{
    decimals = std::clamp(decimals, 0, 4);
    const std::int64_t units = divideHalfEven(value_, kPow10[4 - decimals]);
    const bool negative = units < 0;
    // Work in unsigned so that the most negative value prints too.
    const std::uint64_t magnitude = negative ? std::uint64_t(0) - std::uint64_t(units) : std::uint64_t(units);
    const std::uint64_t scale = std::uint64_t(kPow10[decimals]);
    QString out = QString::number(magnitude / scale);
    if (decimals > 0)
        out += QLatin1Char('.') + QString::number(magnitude % scale).rightJustified(decimals, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + out : out;
}

Currency Currency::operator-() const
{
    if (value_ == std::numeric_limits<std::int64_t>::min())
        overflow();
    return Currency(-value_);
}

Currency& Currency::operator+=(Currency other)
{
    value_ = checkedAdd(value_, other.value_);
    return *this;
}

Currency& Currency::operator-=(Currency other)
{
    std::int64_t r = 0;
    if (__builtin_sub_overflow(value_, other.value_, &r))
        overflow();
    value_ = r;
    return *this;
}

} // namespace pellam
