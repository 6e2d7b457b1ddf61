#pragma once

#include "database/Connection.h"
#include "masters/AccountHeadsList.h"
#include "masters/LedgerHead.h"
#include "types/Currency.h"

#include <QString>
#include <vector>

namespace pellam::masters {

// A head's opening balance in one institution.
struct Opening {
    int shopId = 0;
    QString shopName;
    Currency amount;
    QString type;      // "C" credit or "D" debit
};

// Why a ledger head may not be deleted.
enum class HeadDeleteGuard {
    None,
    CashAccount,
    TransactionExists,
};

// The ledger heads of the year's books with their openings: code checks,
// storing a head with all its openings in one transaction, delete guards
// and the rows of the printed list.
class LedgerHeadStore {
public:
    explicit LedgerHeadStore(db::Connection& conn) : conn_(conn) {}

    // The list the window shows: accno, code, name, remarks, by name.
    db::RecordSet list();
    // Every institution with the head's opening, by institution name; an
    // institution without an opening row shows a zero credit.
    std::vector<Opening> openingsOf(int accno);
    // Every institution with the zero debit opening a new head starts with.
    std::vector<Opening> newHeadOpenings();
    // Whether another head (not `exceptAccno`) already has the code.
    bool codeTaken(const QString& code, int exceptAccno = 0);
    // The head the books name as the cash account; 0 when none.
    int cashAccountNo();

    // Stores the head (a new one when its accno is 0, which it then gets),
    // its mark as a balance head and rewrites its openings, all in one
    // transaction. The cash account
    // keeps its code, name and remarks; only its openings change. A code
    // another head has fails with PellamError 3022, a head that is gone
    // with 3021.
    void save(LedgerHead& head, const std::vector<Opening>& openings);
    HeadDeleteGuard deleteGuard(int accno);
    // Removes the head with its openings and its place in the institutions'
    // lists of heads.
    void remove(int accno);

    // Every head, by name, for the printed list; the cash account and
    // the balance heads are carried.
    std::vector<ListedHead> listedHeads();
    // Whether the head carries its balance into next year: the cash
    // account and the heads marked so.
    bool carriesForward(int accno);

private:
    db::Connection& conn_;
};

} // namespace pellam::masters
