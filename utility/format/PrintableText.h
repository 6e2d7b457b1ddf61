#pragma once

#include "UtilExport.h"

#include <QChar>
#include <QString>

namespace pellam {

// Whether a character acts instead of printing: a control character (codes
// below 32, 127 and 128 to 159: line feed, carriage return, escape, bell,
// NUL and the like) or a line or paragraph separator. Any of them in a
// stored text could begin a line of its own in a report or send a code to
// the printer.
PELLAM_UTIL_EXPORT bool isControlOrLineBreak(QChar ch);

// `text` with each such character replaced by a blank, so that a text from
// the books keeps its length and its place on the line. An ordinary text
// comes back as it was, without a copy.
PELLAM_UTIL_EXPORT QString printable(const QString& text);

} // namespace pellam
