#pragma once

#include "data/Rights.h"

namespace pellam::app {

// The role of the user logged in to the open books; an Auditor when the
// books cannot say (a failed lookup gives the fewest rights).
data::Role currentRole();

// Whether the logged-in user may do `action`; when not, the user is told
// why and nothing else happens. Windows ask this at every save and delete.
// Books whose whole year is locked are read, not changed: vouchers, masters
// and imports are refused for every role.
bool mayDo(data::Action action);

// Whether the logged-in user may unlock days the books are locked over: an
// Administrator who types the password again.
bool mayMoveLockBack();

} // namespace pellam::app
