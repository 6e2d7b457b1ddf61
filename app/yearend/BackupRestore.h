#pragma once

#include "data/FinancialYear.h"
#include "data/StartupChecks.h"
#include "database/Connection.h"
#include "files/FileHold.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>

namespace pellam::yearend {

// What a backup holds, read before anything is replaced.
struct BackupSummary {
    QString file;
    qint64 heads = 0, institutions = 0, vouchers = 0;
    QDate firstVoucher, lastVoucher;   // invalid without vouchers
    // Its vouchers lie in the books' financial year or, without vouchers,
    // its name ends with that year's two-digit years ("_2627.bak").
    bool belongsToYear = false;
    // The year its first voucher lies in, or the books' year when it belongs
    // to them; invalid when neither tells.
    data::FinancialYear year;
};

// "3 ledger heads, 2 institutions, 2 vouchers dated from 01/05/2008 to
// 31/03/2009".
QString contentsText(const BackupSummary& backup);

struct RestoreResult {
    QString safetyCopy;          // the books as they were before
    data::CashAccount cash;      // of the restored books
    bool upgraded = false;       // the backup came from an older version
};

// Puts a backup in place of a year's books: the backup is checked and copied
// beside the books first (prepare); only then are the books closed, held
// exclusively, kept in a safety copy and replaced, checked as start-up
// checks them and reopened (restore). Any failure leaves the books as they
// were; while another program has the books open, restore refuses.
class BackupRestore {
public:
    using Status = std::function<void(const QString&)>;

    // `books` is the connection the program keeps on `booksFile`; the
    // safety copy goes to `safetyFolder`.
    BackupRestore(db::Connection& books, QString booksFile, const data::FinancialYear& year, QString safetyFolder,
                  Status status = {});
    ~BackupRestore();
    BackupRestore(const BackupRestore&) = delete;
    BackupRestore& operator=(const BackupRestore&) = delete;

    // Throws PellamError, in plain words, when `backup` is not a sound year's
    // books (checkBackup: it does not open, fails PRAGMA integrity_check,
    // lacks a table or the cash account). Neither the books nor the backup
    // are touched. What an interrupted restore left beside them is removed
    // first, and said.
    BackupSummary prepare(const QString& backup);

    // Replaces the books by the prepared backup, with `books` closed, and
    // opens them again. Throws PellamError after putting the books back;
    // PellamError 3261 when another program has the books open.
    RestoreResult restore(const QDateTime& now = QDateTime::currentDateTime());

    // False only when a failed restore could not put the books back; the
    // error then names the safety copy that holds them.
    bool booksIntact() const { return booksIntact_; }

    // "BeforeRestore061226143005_2627.bak" in the safety folder.
    QString safetyCopyName(const QDateTime& now) const;

private:
    RestoreResult checkRestored();
    void putBack(const QString& safetyCopy);
    void say(const QString& text) const;

    db::Connection& books_;
    QString booksFile_;
    data::FinancialYear year_;
    QString safetyFolder_;
    Status status_;
    QString staged_;
    files::FileHold staging_;   // the staged copy, while it waits
    bool booksIntact_ = true;
};

} // namespace pellam::yearend
