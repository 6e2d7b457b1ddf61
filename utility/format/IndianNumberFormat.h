#pragma once

#include "UtilExport.h"
#include "errors/PellamError.h"
#include "types/Currency.h"

#include <QString>
#include <optional>

namespace pellam {

// An amount written for a fixed-width report column: Indian digit grouping
// (12,34,567.50), a fixed number of decimals, right-aligned in `width`.
struct PELLAM_UTIL_EXPORT FormattedNumber {
    QString text;
    // Set when a step failed; the text is then the best that could be made.
    std::optional<PellamError> error;
};

// `digits` is plain amount text: digits, an optional minus sign, an optional
// point and decimals. A fraction longer than `decimals` is kept whole, never
// cut or rounded. Negative amounts are not grouped. With `regional`, the
// desktop's own number format is used instead of Indian grouping.
PELLAM_UTIL_EXPORT FormattedNumber formatIndian(const QString& digits, int width, int decimals,
                                                bool regional = false);

// An amount with two decimals, right-aligned in `width`, exactly as
// formatIndian gives its plain text ("-1234.50" ungrouped, "12,34,567.50"),
// written straight from the amount for reports that print millions of them.
PELLAM_UTIL_EXPORT QString formatIndianAmount(Currency amount, int width);

// Indian grouping of a whole number of any size: 1234567 -> "12,34,567".
PELLAM_UTIL_EXPORT QString groupIndian(unsigned long long value);

} // namespace pellam
