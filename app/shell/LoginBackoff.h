#pragma once

#include <chrono>

namespace pellam::app {

// Slows down guessing at the login: after five failed logins in a row each
// further attempt must wait, 1 second after the fifth failure, doubling
// with every failure after it, never more than 30 seconds.
class LoginBackoff {
public:
    void failed() { ++failures_; }
    void succeeded() { failures_ = 0; }
    int failures() const { return failures_; }
    // How long the next attempt must wait.
    std::chrono::seconds delay() const;

private:
    int failures_ = 0;
};

} // namespace pellam::app
