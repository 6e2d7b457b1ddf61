#pragma once

#include "UtilExport.h"

#include <QDate>
#include <QString>

namespace pellam::environment {

// A four-character name that differs from day to day ("8MÅo" for
// 6 December 2026), with ".log" when `extension` is set. Dates not later
// than 1 January 2000 stand for today.
PELLAM_UTIL_EXPORT QString dayFileName(const QDate& date, bool extension = true);

} // namespace pellam::environment
