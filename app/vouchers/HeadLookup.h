#pragma once

#include "grids/PopupGrid.h"

#include <QString>

namespace pellam::app {

// The ledger-head lookup of the voucher window: heads (accno, acccode,
// accountname) whose name or code begins with what was typed, without regard
// to case, as the books compare text.
ctl::PopupGrid::Filter headsBeginningWith(const QString& typed);

} // namespace pellam::app
