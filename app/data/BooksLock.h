#pragma once

#include "data/FinancialYear.h"
#include "database/Connection.h"

#include <QDate>
#include <QString>
#include <optional>

namespace pellam::data {

// The date up to which the year's books are locked, kept in the books: no
// voucher dated on or before it is added, changed or deleted, by any route,
// and no opening changes while any day is locked. A lock on the year's last
// day locks the whole year: its books are then read, not changed.
class BooksLock {
public:
    explicit BooksLock(db::Connection& conn) : conn_(conn) {}

    std::optional<QDate> lockedUntil() const;
    // Inside the caller's transaction if any.
    void lockUntil(const QDate& date);
    void clear();

    // Why a voucher dated `date` may not be added, changed or deleted;
    // nothing when it may.
    std::optional<QString> voucherRefusal(const QDate& date) const;
    // Why openings may not change; nothing when they may.
    std::optional<QString> openingsRefusal() const;
    // Why nothing in the books may change (the whole year is locked).
    std::optional<QString> yearRefusal(const FinancialYear& year) const;

    // Why `date` cannot be the lock date of `year`'s books: it must be one
    // of the year's days.
    static std::optional<QString> dateRefusal(const QDate& date, const FinancialYear& year);
    // Whether locking up to `to` (nothing: no lock) unlocks a day that is
    // locked now: only an administrator may.
    bool movesBack(const std::optional<QDate>& to) const;

    // The message for a voucher on or before `until`.
    static QString voucherMessage(const QDate& until);

private:
    db::Connection& conn_;
};

} // namespace pellam::data
