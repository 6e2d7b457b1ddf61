#pragma once

#include "PlatformExport.h"

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

namespace pellam {

// An amount of money: a 64-bit count of ten-thousandths of a rupee, so that
// sums are exact. Rounding to fewer places is half to even. Arithmetic that
// leaves the range throws PellamError 6 ("Overflow").
class PELLAM_PLATFORM_EXPORT Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths) { return Currency(tenThousandths); }
    static Currency fromPaise(std::int64_t paise);
    static Currency fromRupees(std::int64_t rupees);
    // Rounded half to even to four places.
    static Currency fromDouble(double value);
    // Plain decimal text: optional blanks, an optional sign, digits, an
    // optional point and decimals ("1234.5", "-.75"). Places beyond the
    // fourth are rounded half to even. Nothing for any other text.
    static std::optional<Currency> parse(QStringView text);

    constexpr std::int64_t raw() const { return value_; }
    // Whole paise, rounded half to even: the form amounts are stored in.
    std::int64_t paise() const { return rounded(2).value_ / 100; }
    double toDouble() const { return double(value_) / kScale; }
    constexpr bool isZero() const { return value_ == 0; }
    constexpr bool isNegative() const { return value_ < 0; }

    // Rounded half to even to `decimals` places (0 to 4).
    Currency rounded(int decimals) const;
    // Plain text with `decimals` places (rounded half to even), a leading
    // minus for negatives, no grouping: "-1234.50".
    QString toString(int decimals = 2) const;

    Currency operator-() const;
    Currency& operator+=(Currency other);
    Currency& operator-=(Currency other);
    friend Currency operator+(Currency a, Currency b) { return a += b; }
    friend Currency operator-(Currency a, Currency b) { return a -= b; }
    Currency abs() const { return value_ < 0 ? -*this : *this; }

    friend constexpr auto operator<=>(Currency, Currency) = default;
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t v) : value_(v) {}
    std::int64_t value_ = 0;
};

} // namespace pellam
