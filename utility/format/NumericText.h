#pragma once

#include "UtilExport.h"

#include <QStringView>

namespace pellam::numeric {

// The number at the start of a text, read the way the program has always
// read typed amounts: blanks are skipped wherever they stand, then an
// optional sign, digits, one point with decimals and an exponent; reading
// stops at the first other character. A text with no number reads as 0.
// "1,234" reads as 1; "12abc" as 12; "" as 0.
PELLAM_UTIL_EXPORT long double leadingValue(QStringView text);

} // namespace pellam::numeric
