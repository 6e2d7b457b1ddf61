#include "core/AppState.h"

namespace pellam::app {

AppState& state()
{
    static AppState s;
    return s;
}

} // namespace pellam::app
