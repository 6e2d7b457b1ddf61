#include "yearend/BackupCopy.h"

#include "data/CashAccount.h"
#include "data/DatabaseFiles.h"
#include "data/StartupChecks.h"
#include "database/Connection.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "files/FileHold.h"
#include "files/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pellam::yearend {

namespace {

const QString kSource = QStringLiteral("Pellam backup");

PellamError withContext(const PellamError& e)
{
    return PellamError(e.Number(), QStringLiteral("The backup copy could not be made: ") + e.Description(), kSource);
}

void requireBooksFile(const QString& source)
{
    const QFileInfo info(source);
    if (!info.isFile())
        throw PellamError(FileNotFound, QStringLiteral("The books file %1 does not exist.").arg(source), kSource);
    // SQLite would take an empty file for new books and write to it.
    if (info.size() == 0)
        throw PellamError(db::CannotOpen, QStringLiteral("The books file %1 is empty.").arg(source), kSource);
}

} // namespace

void moveDatabaseIntoPlace(const QString& file, const QString& target)
{
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(target + QLatin1String(suffix));
    files::replaceFile(file, target);
}

QStringList leftoverLines(const QStringList& removed, const QString& run)
{
    QStringList lines;
    for (const QString& file : removed)
        lines << QStringLiteral("Removed %1, left by an interrupted %2").arg(QDir::toNativeSeparators(file), run);
    return lines;
}

QStringList removeUnfinishedBackups(const QString& folder)
{
    return leftoverLines(data::removeLeftovers(folder, {QStringLiteral("*.bak.partial")}), QStringLiteral("backup"));
}

void checkYearDatabase(const QString& file, const QString& shownAs)
{
    db::Connection conn;
    conn.Open(file);
    data::requireYearBooks(conn, shownAs);
    const QString verdict = conn.scalar(QStringLiteral("pragma integrity_check")).toString();
    if (verdict != QStringLiteral("ok"))
        throw PellamError(db::CannotOpen, QStringLiteral("The copy failed its integrity check: %1").arg(verdict), kSource);
    conn.scalar(QStringLiteral("select count(*) from CurCashAccount"));
}

void checkBackup(const QString& file, const QString& shownAs)
{
    try {
        checkYearDatabase(file, shownAs);
        db::Connection conn;
        conn.Open(file);
        if (!data::cashAccount(conn))
            throw PellamError(db::CannotOpen, QStringLiteral("The books in %1 have no cash account.").arg(shownAs), kSource);
    } catch (const PellamError& e) {
        // Whatever failed, the file is no backup the books could come back from.
        throw PellamError(InvalidFileFormat, e.Description(), kSource);
    }
}

QString unusedFileName(const QString& file)
{
    const QFileInfo info(file);
    QString candidate = file;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = info.dir().filePath(info.completeBaseName() + QStringLiteral("-%1.").arg(n) + info.suffix());
    return candidate;
}

QString backupFolder(const QString& bakSetting, const QString& appFolder, const QString& appKey,
                     const data::FinancialYear& year)
{
    const QString setting = bakSetting.trimmed();
    const QString base = setting.isEmpty() ? QDir(appFolder).filePath(QStringLiteral("BackUp")) : setting;
    return QDir(base).filePath(appKey + year.shortYears());
}

void createBackupFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return;
    if (!QDir().mkdir(folder))
        throw PellamError(PathNotFound, QStringLiteral("Cannot create the backup folder %1.").arg(folder), kSource);
}

QString backupFileName(const QDateTime& now, const data::FinancialYear& year)
{
    return now.toString(QStringLiteral("ddMMyyHHmmss")) + QLatin1Char('_') + year.shortYears() + QStringLiteral(".bak");
}

namespace {

void copyChecked(const QString& source, const QString& target, const std::function<void(const QString&)>& status,
                 const std::function<void(const QString& copy)>& check)
{
    const auto say = [&](const QString& text) {
        if (status)
            status(text);
    };
    requireBooksFile(source);
    const QString temporary = target + QStringLiteral(".partial");
    // Held while it is written, so that no other run takes it for the
    // leftover of an interrupted one.
    files::FileHold writing;
    try {
        if (!writing.take(temporary, files::FileHold::Mode::Exclusive))
            throw PellamError(PathAccessError, QStringLiteral("Another copy to %1 is being made.").arg(target), kSource);
    } catch (const PellamError& e) {
        throw withContext(e);
    }
    writing.removeWhenReleased();
    if (!data::removeDatabaseFiles(temporary))
        throw PellamError(PathAccessError, QStringLiteral("Cannot remove the unfinished copy %1.").arg(temporary),
                          kSource);
    try {
        say(QStringLiteral("Copying the books to %1").arg(QFileInfo(target).fileName()));
        {
            // Only read, so that a copy never switches books to a write-
            // ahead log nor moves a log into them. Books that keep a log and
            // have none beside them (nobody works in them) are opened as
            // the program opens them instead: that changes nothing of them
            // either, and unlike a read-only connection it leaves no log
            // files behind.
            const bool idle = db::writesAheadLog(source) && !QFileInfo::exists(source + QStringLiteral("-wal"));
            db::Connection books;
            books.Open(source, true, 5000, !idle);
            books.execute(QStringLiteral("vacuum into ?"), {temporary});
        }
        say(QStringLiteral("Checking the copy"));
        check(temporary);
        moveDatabaseIntoPlace(temporary, target);
        say(QStringLiteral("The copy is complete"));
    } catch (const PellamError& e) {
        data::removeDatabaseFiles(temporary);
        throw withContext(e);
    } catch (...) {
        data::removeDatabaseFiles(temporary);
        throw;
    }
}

} // namespace

void copyYearDatabase(const QString& source, const QString& target, const std::function<void(const QString&)>& status)
{
    copyChecked(source, target, status, [&source](const QString& copy) { checkYearDatabase(copy, source); });
}

void backUpYearDatabase(const QString& source, const QString& target, const std::function<void(const QString&)>& status)
{
    copyChecked(source, target, status, [&source](const QString& copy) { checkBackup(copy, source); });
}

} // namespace pellam::yearend
