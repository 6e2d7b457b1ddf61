#pragma once

#include "UtilExport.h"

#include <QString>

namespace pellam::environment {

// Text values under the settings store's roots, with the limits of the
// values the program has always kept there.
// Writes `value` (an empty one as a single blank, which is handed back).
PELLAM_UTIL_EXPORT bool writeKeyValue(int root, const QString& key, const QString& name, QString& value);
// The value, cut at its first zero character; empty when it is missing or
// longer than 1024 bytes.
PELLAM_UTIL_EXPORT QString readKeyValue(int root, const QString& key, const QString& name);

// The temporary folder named by the first TMP... or TEMP... entry among the
// first 50 of the process environment; empty when there is none.
PELLAM_UTIL_EXPORT QString tempDirFromEnvironment();

} // namespace pellam::environment
