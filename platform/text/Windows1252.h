#pragma once

#include "PlatformExport.h"

#include <QByteArray>
#include <QString>

namespace pellam::windows1252 {

// The single-byte code of a character in the Western code page, or 63 ("?")
// when the page has no such character, as the desktop's own conversion does.
PELLAM_PLATFORM_EXPORT int code(QChar ch);

// The character of a code from 0 to 255. The five codes the page leaves
// undefined map to the control characters of the same number, so that every
// code survives a round trip.
PELLAM_PLATFORM_EXPORT QChar character(int code);

// Whether every character of `text` has a code in the page, so that encode
// loses none of them.
PELLAM_PLATFORM_EXPORT bool covers(const QString& text);

PELLAM_PLATFORM_EXPORT QByteArray encode(const QString& text);
PELLAM_PLATFORM_EXPORT QString decode(const QByteArray& bytes);

} // namespace pellam::windows1252
