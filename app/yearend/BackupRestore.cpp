#include "yearend/BackupRestore.h"

#include "data/DatabaseFiles.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "files/FileReplace.h"
#include "format/DateText.h"
#include "yearend/BackupCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace pellam::yearend {

namespace {

const QString kSource = QStringLiteral("Pellam restore");

PellamError notRestored(const PellamError& e)
{
    return PellamError(e.Number(), QStringLiteral("The backup was not restored: ") + e.Description(), kSource);
}

// A copy of the backup beside the books, so that putting it in place is a
// rename. A backup is a closed file: its bytes are copied as they are and
// checked there, once. One with a log of its own (a year's file someone
// was working in) is copied by SQLite instead, which also reads the log.
void stageBackup(const QString& backup, const QString& staged)
{
    if (!QFileInfo(backup).isFile() || QFileInfo(backup).size() == 0)
        throw PellamError(FileNotFound, QStringLiteral("The file %1 does not exist or is empty.").arg(backup), kSource);
    if (!data::removeDatabaseFiles(staged))
        throw PellamError(PathAccessError, QStringLiteral("Cannot remove the unfinished file %1.").arg(staged), kSource);
    if (QFileInfo(backup + QStringLiteral("-wal")).size() > 0) {
        copyYearDatabase(backup, staged);
        return;
    }
    if (!QFile::copy(backup, staged))
        throw PellamError(PathAccessError, QStringLiteral("Cannot copy %1 to %2.").arg(backup, staged), kSource);
    QFile::setPermissions(staged, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

// The books as they are, closed: a second name for the same file when the
// safety folder is on the same disk (the books are then replaced by a
// rename and the old file lives on under that name), else a checked copy.
void keepBooks(const QString& books, const QString& safetyCopy)
{
    if (QFileInfo(books + QStringLiteral("-wal")).size() == 0) {
        std::error_code error;
        std::filesystem::create_hard_link(std::filesystem::path(books.toStdString()),
                                          std::filesystem::path(safetyCopy.toStdString()), error);
        if (!error) {
            // The books are renamed over next: the second name must be on
            // the disk first.
            files::syncFolder(QFileInfo(safetyCopy).absolutePath());
            return;
        }
    }
    copyYearDatabase(books, safetyCopy);
}

QDate isoDate(const QVariant& value)
{
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

} // namespace

QString contentsText(const BackupSummary& backup)
{
    QString text = QStringLiteral("%1 ledger heads, %2 institutions, %3 vouchers")
                       .arg(backup.heads)
                       .arg(backup.institutions)
                       .arg(backup.vouchers);
    if (backup.vouchers > 0)
        text += QStringLiteral(" dated from %1 to %2").arg(datetext::format(backup.firstVoucher), datetext::format(backup.lastVoucher));
    return text;
}

BackupRestore::BackupRestore(db::Connection& books, QString booksFile, const data::FinancialYear& year,
                             QString safetyFolder, Status status)
    : books_(books), booksFile_(std::move(booksFile)), year_(year), safetyFolder_(std::move(safetyFolder)),
      status_(std::move(status))
{
}

BackupRestore::~BackupRestore()
{
    if (!staged_.isEmpty())
        data::removeDatabaseFiles(staged_);
}

void BackupRestore::say(const QString& text) const
{
    if (status_)
        status_(text);
}

QString BackupRestore::safetyCopyName(const QDateTime& now) const
{
    return QDir(safetyFolder_).filePath(QStringLiteral("BeforeRestore") + backupFileName(now, year_));
}

BackupSummary BackupRestore::prepare(const QString& backup)
{
    BackupSummary summary;
    summary.file = backup;
    const QString staged = booksFile_ + QStringLiteral(".restoring");
    try {
        const QString name = QFileInfo(staged).fileName();
        for (const QString& line : leftoverLines(data::removeLeftovers(QFileInfo(staged).absolutePath(),
                                                                       {name, name + QStringLiteral(".partial")}),
                                                 QStringLiteral("restore")))
            say(line);
        if (!staging_.take(staged, files::FileHold::Mode::Exclusive))
            throw PellamError(DatabaseLocked,
                              QStringLiteral("another restore of the books %1 is under way.").arg(booksFile_), kSource);
        staging_.removeWhenReleased();
    } catch (const PellamError& e) {
        throw notRestored(e);
    }
    try {
        say(QStringLiteral("Create Temporary Datafile"));
        stageBackup(backup, staged);
        say(QStringLiteral("Checking the backup file"));
        checkBackup(staged, backup);
        db::Connection copy;
        copy.Open(staged);
        summary.heads = copy.scalar(QStringLiteral("select count(*) from account")).toLongLong();
        summary.institutions = copy.scalar(QStringLiteral("select count(*) from organization")).toLongLong();
        db::RecordSet vouchers = copy.query(QStringLiteral("select count(*) as n, min(joudate) as first, max(joudate) as last from journal"));
        summary.vouchers = vouchers.toInt(QStringLiteral("n"));
        summary.firstVoucher = isoDate(vouchers.value(QStringLiteral("first")));
        summary.lastVoucher = isoDate(vouchers.value(QStringLiteral("last")));
    } catch (const PellamError& e) {
        data::removeDatabaseFiles(staged);
        staging_.release();
        throw notRestored(e);
    }
    staged_ = staged;
    summary.belongsToYear = summary.vouchers > 0
                                ? year_.contains(summary.firstVoucher) && year_.contains(summary.lastVoucher)
                                : QFileInfo(backup).completeBaseName().endsWith(year_.shortYears());
    if (summary.vouchers > 0 && summary.firstVoucher.isValid())
        summary.year = data::FinancialYear::containing(summary.firstVoucher);
    else if (summary.belongsToYear)
        summary.year = year_;
    return summary;
}

RestoreResult BackupRestore::restore(const QDateTime& now)
{
    if (staged_.isEmpty())
        throw PellamError(InvalidCall, QStringLiteral("The backup was not restored: no backup was checked first."), kSource);
    RestoreResult result;
    say(QStringLiteral("Closing the books"));
    books_.Close();
    {
        // Held from the safety copy to the check of the restored books: no
        // program writes into the books meanwhile, where it would be lost.
        files::FileHold hold;
        const auto reopen = [&] {
            hold.release();
            books_.OpenHeld(booksFile_);
        };
        try {
            if (!hold.take(booksFile_, files::FileHold::Mode::Exclusive))
                throw PellamError(DatabaseLocked,
                                  QStringLiteral("the books %1 are open in another program; close them there and "
                                                 "restore again.")
                                      .arg(booksFile_),
                                  kSource);
            say(QStringLiteral("Keeping a copy of the books as they are"));
            if (!QDir().mkpath(safetyFolder_))
                throw PellamError(PathNotFound, QStringLiteral("Cannot create the folder %1.").arg(safetyFolder_), kSource);
            result.safetyCopy = unusedFileName(safetyCopyName(now));
            keepBooks(booksFile_, result.safetyCopy);
        } catch (const PellamError& e) {
            reopen();
            throw notRestored(e);
        }
        say(QStringLiteral("Replacing the books"));
        try {
            moveDatabaseIntoPlace(staged_, booksFile_);
            staged_.clear();
            staging_.release();
            say(QStringLiteral("Checking the restored books"));
            const RestoreResult checked = checkRestored();
            result.cash = checked.cash;
            result.upgraded = checked.upgraded;
        } catch (const PellamError& e) {
            putBack(result.safetyCopy);
            reopen();
            throw notRestored(e);
        }
    }
    books_.OpenHeld(booksFile_);
    return result;
}

RestoreResult BackupRestore::checkRestored()
{
    RestoreResult result;
    db::Connection books;
    books.Open(booksFile_);
    const auto cash = data::verifyCashAccount(books);
    if (!cash)
        throw PellamError(db::CannotOpen, QStringLiteral("The restored books have no cash account."), kSource);
    result.cash = *cash;
    if (data::schemaVersion(books) != data::SchemaVersion::Current) {
        data::upgradeDatabase(books);
        result.upgraded = true;
    }
    data::repairHeadsInUse(books, cash->accno);
    data::repairOpenings(books, cash->accno);
    return result;
}

void BackupRestore::putBack(const QString& safetyCopy)
{
    const QString copy = booksFile_ + QStringLiteral(".restoring");
    try {
        copyYearDatabase(safetyCopy, copy);
        moveDatabaseIntoPlace(copy, booksFile_);
    } catch (const PellamError& e) {
        booksIntact_ = false;
        throw PellamError(e.Number(),
                          QStringLiteral("The books could not be put back; they are kept in %1. %2").arg(safetyCopy, e.Description()),
                          kSource);
    }
}

} // namespace pellam::yearend
