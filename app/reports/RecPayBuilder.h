#pragma once

#include "database/Connection.h"
#include "reports/RecPayData.h"
#include "reports/SqlList.h"

namespace pellam::app {

// Reads the cash book from the books: the cash account, its opening cash
// (openings and every voucher before the from-date), the vouchers of the
// period that move cash and the totals.
class RecPayBuilder {
public:
    explicit RecPayBuilder(db::Connection& conn) : conn_(conn) {}
    RecPayDocument build(const ReportChoices& request);

private:
    Currency opening(const RecPayDocument& doc, const CountedShops& shops);
    void addVouchers(RecPayDocument& doc, const CountedShops& shops);

    db::Connection& conn_;
};

} // namespace pellam::app
