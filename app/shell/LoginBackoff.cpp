#include "shell/LoginBackoff.h"

#include <algorithm>

namespace pellam::app {

namespace {

constexpr int kFreeAttempts = 5;
constexpr std::chrono::seconds kLongest{30};

} // namespace

std::chrono::seconds LoginBackoff::delay() const
{
    if (failures_ < kFreeAttempts)
        return std::chrono::seconds{0};
    // 2^(n-5) seconds, capped before the shift can overflow.
    const int doublings = std::min(failures_ - kFreeAttempts, 5);
    return std::min(std::chrono::seconds{1LL << doublings}, kLongest);
}

} // namespace pellam::app
