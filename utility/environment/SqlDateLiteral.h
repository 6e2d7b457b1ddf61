#pragma once

#include "UtilExport.h"

#include <QString>

namespace pellam::environment {

// The database dialects a date literal can be written for.
enum Dialect : int { SqlServer = 0, MsAccess = 1, FoxPro = 2, Oracle = 3, Excel = 4, DBase = 5 };

// A date typed day first as an SQL date literal of `dialect`, with a blank on
// each side so that it can stand between other words: " datevalue('05/04/2024') ".
// "Null" when the text is no date.
PELLAM_UTIL_EXPORT QString sqlDateLiteral(const QString& date, int dialect);

} // namespace pellam::environment
