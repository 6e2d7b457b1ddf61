#pragma once

#include "database/Connection.h"
#include "reports/LedgerData.h"
#include "reports/SqlList.h"

namespace pellam::app {

// Reads the ledger of the chosen heads and institutions from the books:
// the heads (never the cash account), each head's opening (openings and
// every voucher before the from-date), the vouchers of the period and the
// totals. A handful of queries for the whole run, however many heads.
class LedgerBuilder {
public:
    explicit LedgerBuilder(db::Connection& conn) : conn_(conn) {}
    LedgerDocument build(const LedgerRequest& request);

private:
    QList<LedgerHead> heads(const LedgerRequest& request, const CountedShops& shops, const QString& accounts);
    void addOpenings(QList<LedgerHead>& heads, const LedgerRequest& request, const CountedShops& shops,
                     const QString& accounts);
    void addVouchers(QList<LedgerHead>& heads, const LedgerRequest& request, const CountedShops& shops,
                     const QString& accounts);

    db::Connection& conn_;
};

} // namespace pellam::app
