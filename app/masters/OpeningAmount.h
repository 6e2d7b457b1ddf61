#pragma once

#include "types/Currency.h"

#include <QString>
#include <optional>

namespace pellam::masters {

// Opening balances as the user types and reads them: plain decimal text
// ("1500", "1500.5"), never negative, stored as whole paise.
namespace openingamount {

// The amount of a typed text, rounded to paise; nothing for an empty,
// malformed ("1.2.3") or negative text, or an amount beyond what the words
// of a voucher can spell (above 2147483647.99).
std::optional<Currency> parse(const QString& text);

// The text shown for a stored amount: no grouping and no trailing zeros,
// so a whole amount reads as typed ("1500", "0", "1500.5").
QString text(qint64 paise);

} // namespace openingamount

} // namespace pellam::masters
