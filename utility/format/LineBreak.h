#pragma once

#include "UtilExport.h"

#include <QString>
#include <QStringList>

namespace pellam::linebreak {

// What becomes of the blank a text is broken at.
enum class Blank {
    Dropped, // each line and the rest after it are trimmed
    Shared,  // it ends the line and begins the rest, as the cash voucher prints it
};

// `text` in lines of at most `width` characters: while the rest is longer,
// it is broken at its last blank within the first `width` characters (a
// blank that begins the rest does not count), or after `width` characters
// when there is none. The last line is what remains; an empty text has
// no lines.
PELLAM_UTIL_EXPORT QStringList wrap(const QString& text, int width, Blank blank);

} // namespace pellam::linebreak
