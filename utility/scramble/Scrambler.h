#pragma once

#include "UtilExport.h"

#include <QString>

namespace pellam::scramble {

// The reversible character shift that hides stored passwords from a casual
// reader: the first character stays and gives the shift, every later
// character moves by the shift plus its position. Codes are those of the
// Western code page; a character shifted out of 0..255 is lost.
PELLAM_UTIL_EXPORT QString scramble(const QString& text);
PELLAM_UTIL_EXPORT QString unscramble(const QString& text);

} // namespace pellam::scramble
