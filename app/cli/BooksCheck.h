#pragma once

#include "data/FinancialYear.h"
#include "data/StartupChecks.h"
#include "database/Connection.h"

#include <QString>
#include <QTextStream>

namespace pellam::cli {

// The start-up checks and repairs on one year's books, in start-up's order,
// telling `out` what each found or repaired.
class BooksCheck {
public:
    BooksCheck(const QString& books, const data::FinancialYear& year, QTextStream& out);

    // Throws PellamError when the books have no cash account.
    void verifyCashAccount();
    bool needsUpgrade();
    void upgrade();
    // The connection is closed while the books are copied.
    void close() { conn_.Close(); }
    void reopen() { conn_.Open(file_); }
    // Institutions, unknown heads, heads in use and openings; then throws
    // PellamError when vouchers are unreadable, which no repair can mend.
    void verifyAndRepair();

private:
    QString headName(int accno);
    void reportHeadsInUse(const QList<data::HeadInUse>& added);
    void reportOpenings(const data::OpeningRepair& repair);

    QString file_;
    data::FinancialYear year_;
    QTextStream& out_;
    db::Connection conn_;
    data::CashAccount cash_;
    int repairs_ = 0;
};

} // namespace pellam::cli
