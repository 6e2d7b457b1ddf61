#pragma once

#include "PellamUtility.h"
#include "data/FinancialYear.h"
#include "data/StartupChecks.h"
#include "database/Connection.h"
#include "errors/PellamError.h"

#include <QString>
#include <QTextStream>

namespace pellam::cli {

// Vouchers that no report can read, refused as damaged books: no repair
// mends them, so a script must tell them from a failure on the way.
void requireReadableVouchers(db::Connection& conn, const data::FinancialYear& year);

// "The cash account is not found in the books <file>."
PellamError noCashAccount(const QString& books);

// The start-up checks and repairs on one year's books, in start-up's order,
// telling `out` what each found or repaired.
class BooksCheck {
public:
    BooksCheck(const QString& books, const data::FinancialYear& year, QTextStream& out);

    // Throws CommandFailure (DamagedBooks) when the books have no cash account.
    void verifyCashAccount();
    bool needsUpgrade();
    void upgrade();
    // The connection is closed while the books are copied.
    void close() { conn_.Close(); }
    void reopen() { conn_.OpenHeld(file_); }
    // Institutions, unknown heads, heads in use, openings and passwords;
    // then throws PellamError when vouchers are unreadable, which no repair
    // can mend.
    void verifyAndRepair();
    // Replaces the scrambled passwords of older books, as start-up does,
    // so that no copy of the books carries them; throws PellamError when
    // the file holds no year's books.
    void convertPasswords();

private:
    QString headName(int accno);
    void reportHeadsInUse(const QList<data::HeadInUse>& added);
    void reportOpenings(const data::OpeningRepair& repair);

    PellamUtility util_;
    QString file_;
    data::FinancialYear year_;
    QTextStream& out_;
    db::Connection conn_;
    data::CashAccount cash_;
    int repairs_ = 0;
};

} // namespace pellam::cli
