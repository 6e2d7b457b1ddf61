#pragma once

#include "database/Connection.h"
#include "reports/MonthlyData.h"

#include <functional>
#include <optional>

namespace pellam::app {

// Reads a monthly statement from the books: the heads the chosen
// institutions keep with their month's figures, and the cash at the start
// of the month (the cash openings and the earlier months of the year).
class MonthlyBuilder {
public:
    // Told as each phase begins, for the status bar.
    using Phase = std::function<void(const QString&)>;

    explicit MonthlyBuilder(db::Connection& conn, Phase phase = {}) : conn_(conn), phase_(std::move(phase)) {}

    // The books' cash account; none when it is not set.
    static std::optional<int> cashAccount(db::Connection& conn);

    MonthlyDocument build(const MonthlyRequest& request, int cashAccNo);

private:
    void tell(const char* text) const;

    db::Connection& conn_;
    Phase phase_;
};

} // namespace pellam::app
