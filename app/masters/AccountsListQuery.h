#pragma once

#include "database/Connection.h"
#include "masters/LedgerHead.h"
#include "types/Currency.h"

#include <QDate>
#include <QHash>
#include <QList>

namespace pellam::masters {

// What the vouchers of the year add up to on each side of one ledger head.
struct HeadTotals {
    Currency debit;  // vouchers that debit the head
    Currency credit; // vouchers that credit the head
};

// One voucher in the list of a ledger head, seen from the cash book: a
// receipt into the head stands under debit, a payment from it under credit.
struct HeadVoucher {
    qint64 jousrlno = 0;
    QDate date;
    QString otherSide; // the name of the voucher's other ledger head
    Currency debit;
    Currency credit;
};

// The read-only questions of the accounts browser.
class AccountsListQuery {
public:
    explicit AccountsListQuery(db::Connection& conn) : conn_(conn) {}

    // Every ledger head but the cash account, in name order.
    QList<LedgerHead> heads();
    // The year's totals of every ledger head that has vouchers, from one
    // grouped pass over the vouchers. Heads without vouchers are absent.
    QHash<qint64, HeadTotals> totals();
    // The vouchers of one ledger head in date order (by number within a day).
    QList<HeadVoucher> vouchersOf(qint64 accno);

private:
    db::Connection& conn_;
};

} // namespace pellam::masters
