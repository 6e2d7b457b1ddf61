#pragma once

#include "database/Connection.h"
#include "reports/RecPayData.h"
#include "reports/SqlList.h"

namespace pellam::app {

// Reads the cash book from the books: the cash account, its opening cash
// (openings and every voucher before the from-date), and the walk over the
// vouchers of the period that move cash, which reads them as the routes
// write them. The connection must outlive the document.
class RecPayBuilder {
public:
    explicit RecPayBuilder(db::Connection& conn) : conn_(conn) {}
    RecPayDocument build(const ReportChoices& request);

private:
    Currency opening(const RecPayDocument& doc, const CountedShops& shops);
    RecPayVoucherWalk vouchers(const RecPayDocument& doc, const CountedShops& shops);

    db::Connection& conn_;
};

} // namespace pellam::app
