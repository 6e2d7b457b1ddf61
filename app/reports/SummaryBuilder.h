#pragma once

#include "database/Connection.h"
#include "reports/JournalSums.h"
#include "reports/SummaryData.h"

namespace pellam::app {

// Reads the summary from the books: the heads of the chosen institutions
// with their income and expense in the period and, when asked, the cash at
// its start (the cash account's openings and every voucher before it).
class SummaryBuilder {
public:
    explicit SummaryBuilder(db::Connection& conn, StatementStatus status = {})
        : conn_(conn), status_(std::move(status))
    {
    }
    SummaryDocument build(const SummaryRequest& request);

private:
    db::Connection& conn_;
    StatementStatus status_;
};

} // namespace pellam::app
