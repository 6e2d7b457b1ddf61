#pragma once

#include "database/Connection.h"

#include <QString>

namespace pellam::masters {

// One institution as the institutions window edits it.
struct Institution {
    int shopId = 0;
    QString shopName;
    QString place;
    QString post;
    QString pinCode;
    QString ledName;   // heading of the ledger report
    QString recName;   // heading of the receipt and payment report
    QString qName;     // heading of the quarterly statement
    QString monName;   // heading of the monthly statement
};

// Why an institution may not be deleted.
enum class InstitutionDeleteGuard {
    None,
    Permanent,        // institution 1 holds the books' own settings
    OpeningExists,    // its openings add up to more than nothing
    TransactionExists,
};

// The institutions of the year's books: numbering, storing and deleting,
// each change in one transaction so that nothing is ever half-saved.
class InstitutionStore {
public:
    explicit InstitutionStore(db::Connection& conn) : conn_(conn) {}

    // The list the window shows: every column, by name.
    db::RecordSet list();
    // The smallest number from 1 up that no institution has.
    int nextFreeNumber();
    // Stores a new institution under the next free number, with a zero
    // credit opening for every ledger head; returns the number.
    int add(const Institution& institution);
    // Rewrites everything but the number; PellamError 3021 when the
    // institution is gone.
    void update(const Institution& institution);
    InstitutionDeleteGuard deleteGuard(int shopId);
    // Removes the institution with its openings and its list of heads.
    void remove(int shopId);

private:
    db::Connection& conn_;
};

} // namespace pellam::masters
