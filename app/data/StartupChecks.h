#pragma once

#include "data/CashAccount.h"
#include "database/Connection.h"

#include <QList>
#include <QString>
#include <optional>

namespace pellam::data {

// The checks and repairs that start-up runs on the year's books. Each is one
// statement (or a few) whatever the size of the books.

// Throws PellamError -2147467259 unless the connection's file holds the
// books of a financial year: the ledger, the cash account's view and the
// other tables the books cannot be worked without (an upgrade makes the
// rest). The message names `shownAs` when given (the file the user knows,
// when the connection is on a copy of it), else the connection's file.
void requireYearBooks(db::Connection& conn, const QString& shownAs = {});

// The first row of CurCashAccount, renamed to "CASH A/C" when it is called
// otherwise; nothing when the view is empty. Throws PellamError -2147467259
// when the file holds no year's books at all.
std::optional<CashAccount> verifyCashAccount(db::Connection& conn);

// Current: AccUptodate holds a date from 25 August 2006 on.
enum class SchemaVersion { Current, Missing, Old };
SchemaVersion schemaVersion(db::Connection& conn);

// Creates whatever is missing (AccUptodate, shopacc with its key, the other
// tables, the views, the indexes, the cash account's settings row) and
// records today as the only AccUptodate row. Safe on books of any age, and
// all or nothing.
void upgradeDatabase(db::Connection& conn);

bool hasInstitutions(db::Connection& conn);
// Vouchers whose debited or credited head is not in account (or is none).
bool hasVouchersWithUnknownHeads(db::Connection& conn);

struct HeadInUse {
    int shopid;
    int accno;
    friend bool operator==(const HeadInUse&, const HeadInUse&) = default;
};

// Lists in shopacc every ledger head (other than the cash account) that an
// institution's vouchers use; the pairs added, by institution and head.
QList<HeadInUse> repairHeadsInUse(db::Connection& conn, int cashAccNo);

struct OpeningRepair {
    QList<HeadInUse> added;     // pairs that had no opening row
    QList<HeadInUse> replaced;  // pairs that had several, now one
    bool cashOpeningReset = false;
};

// Gives every ledger head exactly one opening row per institution: a missing
// row, and several rows of one pair, become one zero credit row.
OpeningRepair repairOpenings(db::Connection& conn, int cashAccNo);

} // namespace pellam::data
