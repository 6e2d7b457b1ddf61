#pragma once

#include "reports/ReportProgress.h"

namespace pellam::app {

// Tells a walk's progress about every thousand rows rather than on each:
// whoever shows it redraws no more often than a person can see.
class ProgressTicks {
public:
    explicit ProgressTicks(const ReportProgress& progress) : progress_(progress) {}

    // One row passed; `share` (0 to 1) is asked only when it is told.
    template <class Share>
    void row(Share&& share)
    {
        if (progress_ && ++rows_ % kEvery == 0)
            progress_(share());
    }

private:
    static constexpr int kEvery = 1000;
    const ReportProgress& progress_;
    int rows_ = 0;
};

} // namespace pellam::app
