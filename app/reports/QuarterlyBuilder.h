#pragma once

#include "database/Connection.h"
#include "reports/JournalSums.h"
#include "reports/QuarterlyData.h"

namespace pellam::app {

// Reads one quarter's statement from the books: every head's income and
// expense by month from two grouped queries, whatever the number of heads,
// then the cash position month by month.
class QuarterlyBuilder {
public:
    explicit QuarterlyBuilder(db::Connection& conn, StatementStatus status = {})
        : conn_(conn), status_(std::move(status))
    {
    }
    // Throws PellamError for a quarter that is not one of the four names.
    QuarterlyDocument build(const QuarterRequest& request, int cashAccNo);

private:
    db::Connection& conn_;
    StatementStatus status_;
};

} // namespace pellam::app
