#pragma once

#include "data/FinancialYear.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace pellam::yearend {

// The folder of this installation's backups of a year: the "bak" setting
// (trimmed), or the application's BackUp folder when it is empty, followed by
// the slot and the two-digit years ("App00809").
QString backupFolder(const QString& bakSetting, const QString& appFolder, const QString& appKey,
                     const data::FinancialYear& year);

// Creates the backup folder when missing; its parent must exist. Throws
// PellamError 76 otherwise.
void createBackupFolder(const QString& folder);

// "061226143005_2627.bak": day, month, year, hours, minutes, seconds, the years.
QString backupFileName(const QDateTime& now, const data::FinancialYear& year);

// A consistent copy of the year's books `source` (made by SQLite, so it may
// be open elsewhere) into `target`: written under a temporary name (held
// while it is written), checked (it opens as a year's books and passes
// PRAGMA integrity_check), synced and only then renamed. Throws PellamError
// on any failure and then leaves no file under `target` nor a temporary
// one; the books are only read.
// `status` receives what is being done.
void copyYearDatabase(const QString& source, const QString& target,
                      const std::function<void(const QString&)>& status = {});

// A backup of the year's books `source` into `target`, made as
// copyYearDatabase makes a copy but called made only when a restore would
// take it (checkBackup). A copy that fails the check is removed, and the
// PellamError (321) says why, naming `source`.
void backUpYearDatabase(const QString& source, const QString& target,
                        const std::function<void(const QString&)>& status = {});

// What a restore asks of a backup before it puts it in place, and a backup
// of itself before it is called made: `file` opens as a year's books (every
// table they cannot be worked without), passes PRAGMA integrity_check and
// names a cash account. Throws PellamError 321 saying what is wrong, naming
// `shownAs`: the file the user knows, where `file` is a copy of it.
void checkBackup(const QString& file, const QString& shownAs);

// Removes from `folder` what interrupted backups left there: unfinished
// copies ("*.bak.partial") with their logs, except one that another program
// is still making. A line for the run's log for each file removed.
QStringList removeUnfinishedBackups(const QString& folder);

// "Removed <file>, left by an interrupted <run>", one line for each file.
QStringList leftoverLines(const QStringList& removed, const QString& run);

// Renames the database `file` to `target`, replacing it, and syncs it and
// its folder: the target's logs go first, so that no stale log is ever
// read against the new file. Throws PellamError 75 when the rename fails.
void moveDatabaseIntoPlace(const QString& file, const QString& target);

// Throws PellamError unless `file` opens as a year's books and passes
// PRAGMA integrity_check; the message names `shownAs` when given.
void checkYearDatabase(const QString& file, const QString& shownAs = {});

// `file`, or the first of `file` with "-2", "-3", ... before its extension
// that does not exist: a safety copy never replaces an earlier one.
QString unusedFileName(const QString& file);

} // namespace pellam::yearend
