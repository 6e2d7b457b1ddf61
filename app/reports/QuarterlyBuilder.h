#pragma once

#include "database/Connection.h"
#include "reports/QuarterlyData.h"

#include <functional>
#include <optional>

namespace pellam::app {

// The cash account whose position the statements show: institution 1's,
// whichever institutions are chosen. Nothing when the books name none.
std::optional<int> statementCashAccount(db::Connection& conn);

// Reads one quarter's statement from the books: every head's income and
// expense by month from two grouped queries, whatever the number of heads,
// then the cash position month by month.
class QuarterlyBuilder {
public:
    // Told of each phase as it begins ("calucating opening", ...).
    using Status = std::function<void(const QString&)>;

    explicit QuarterlyBuilder(db::Connection& conn) : conn_(conn) {}
    // Throws PellamError for a quarter that is not one of the four names.
    QuarterlyDocument build(const QuarterRequest& request, int cashAccNo, const Status& status = {});

private:
    db::Connection& conn_;
};

} // namespace pellam::app
