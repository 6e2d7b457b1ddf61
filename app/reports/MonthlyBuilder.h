#pragma once

#include "database/Connection.h"
#include "reports/JournalSums.h"
#include "reports/MonthlyData.h"

namespace pellam::app {

// Reads a monthly statement from the books: the heads the chosen
// institutions keep with their month's figures, and the cash at the start
// of the month (the cash openings and the earlier months of the year).
class MonthlyBuilder {
public:
    explicit MonthlyBuilder(db::Connection& conn, StatementStatus status = {})
        : conn_(conn), status_(std::move(status))
    {
    }

    MonthlyDocument build(const MonthlyRequest& request, int cashAccNo);

private:
    db::Connection& conn_;
    StatementStatus status_;
};

} // namespace pellam::app
