#pragma once

#include "database/Connection.h"
#include "reports/LedgerData.h"
#include "reports/SqlList.h"

namespace pellam::app {

// Reads the ledger of the chosen heads and institutions from the books:
// the heads (never the cash account), each head's opening (openings and
// every voucher before the from-date), and the walk over the postings of
// the period, which reads them as the routes write them. A handful of
// queries for the openings however many heads; the postings by a query a
// head or one for them all. The connection must outlive the document.
class LedgerBuilder {
public:
    // Up to this many heads the walk reads each head's postings through its
    // indexes (some milliseconds a head in a year of a million vouchers);
    // beyond it, one pass over the period (some seconds) is quicker.
    static constexpr int kHeadsReadOneByOne = 100;

    explicit LedgerBuilder(db::Connection& conn, int headsReadOneByOne = kHeadsReadOneByOne)
        : conn_(conn), headsReadOneByOne_(headsReadOneByOne)
    {
    }
    LedgerDocument build(const LedgerRequest& request);

private:
    QList<LedgerHead> heads(const LedgerRequest& request, const CountedShops& shops, const QString& accounts);
    void addOpenings(QList<LedgerHead>& heads, const LedgerRequest& request, const CountedShops& shops,
                     const QString& accounts);
    LedgerPostingWalk postings(const LedgerDocument& doc, const CountedShops& shops);

    db::Connection& conn_;
    int headsReadOneByOne_;
};

} // namespace pellam::app
