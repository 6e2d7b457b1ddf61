#pragma once

#include <exception>

namespace pellam::app {

// Thrown from a long report's progress callback when the user stops the run
// (Escape in a window, Ctrl+C in `pellam`). It is no failure: the routes give
// up their files as after any exception, runStep hands it back as
// StepResult::Cancelled without an error box, and whoever started the run
// says it was cancelled.
class ReportCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "The report was cancelled"; }
};

} // namespace pellam::app
