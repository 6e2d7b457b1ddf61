#pragma once

#include "CtlExport.h"

#include <QString>

namespace pellam::ctl {

class FlexGrid;

// The row that typed text finds: the first row whose `column1` begins with
// the text (both without surrounding blanks), or failing that whose
// `column2` begins with it exactly. Case counts: typed text is upper case
// and finds values stored in upper case. -1 when no row matches; `column2`
// of 0 or less searches one column only.
PELLAM_CTL_EXPORT int typeAheadRow(const FlexGrid& grid, const QString& typed, int column1, int column2);

} // namespace pellam::ctl
