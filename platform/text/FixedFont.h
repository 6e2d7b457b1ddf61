#pragma once

#include "PlatformExport.h"

#include <QFont>

namespace pellam {

// The desktop's fixed-pitch font for reports on screen and paper, or the
// metric Courier (Liberation Mono) when the desktop's own does not keep
// columns straight (some report themselves proportional).
PELLAM_PLATFORM_EXPORT QFont fixedPitchFont();

} // namespace pellam
