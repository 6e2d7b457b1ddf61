#pragma once

#include "data/Rights.h"

namespace pellam::app {

// The role of the user logged in to the open books; an Auditor when the
// books cannot say (a failed lookup gives the fewest rights).
data::Role currentRole();

// Whether the logged-in user may do `action`; when not, the user is told
// why and nothing else happens. Windows ask this at every save and delete.
bool mayDo(data::Action action);

} // namespace pellam::app
