#pragma once

#include "data/FinancialYear.h"
#include "database/Connection.h"

#include <QList>
#include <QString>

namespace pellam::data {

// Some vouchers, by journal number: how many, and the lowest few numbers.
struct VoucherNumbers {
    qint64 count = 0;
    QList<qint64> first; // ascending
    bool isEmpty() const { return count == 0; }
};

// Vouchers that the reports cannot read alike: one report would count them
// and another leave them out, or take their amount for nothing. The books'
// own checks refuse such rows; books made elsewhere or edited by hand may
// still hold them.
struct UnreadableVouchers {
    FinancialYear year;
    VoucherNumbers badDate;            // no day of the year, written YYYY-MM-DD
    VoucherNumbers badAmount;          // not a whole number of paise
    VoucherNumbers unknownHead;        // a side names no ledger head of the books
    VoucherNumbers unknownInstitution; // no institution of the books

    bool isEmpty() const;
    // One message naming them by journal number and fault, and saying that
    // no report is made until they are corrected.
    QString message() const;
};

// Reads every voucher's faults through the journal's indexes: each walk
// visits the distinct dates, heads and institutions, not every voucher; only
// the amounts are read in full.
UnreadableVouchers findUnreadableVouchers(db::Connection& conn, const FinancialYear& year);

// The vouchers whose debited or credited head is not in account.
VoucherNumbers vouchersWithUnknownHeads(db::Connection& conn);

// What a report asks of the books before it reads them: that the file holds
// the books of a financial year at all (PellamError -2147467259, as the
// start-up checks say) and that no voucher is unreadable (PellamError 3421
// with UnreadableVouchers::message()).
void requireReadableBooks(db::Connection& conn, const FinancialYear& year);

} // namespace pellam::data
