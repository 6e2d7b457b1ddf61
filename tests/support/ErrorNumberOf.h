#pragma once

#include "errors/PellamError.h"

#include <functional>

namespace pellam::test {

// The number of the PellamError `action` throws, or 0 when it throws none.
inline int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const PellamError& e) {
        return e.Number();
    }
    return 0;
}

} // namespace pellam::test
