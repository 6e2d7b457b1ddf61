#pragma once

#include "PlatformExport.h"
#include "errors/PellamError.h"

#include <QString>

class QFileDevice;
class QSaveFile;

namespace pellam::files {

// A file is replaced by writing it under a temporary name beside it and
// renaming that over it. The rename is itself an entry in the folder, and
// a power cut may lose an entry that was never flushed, so every such
// rename in the program goes through these, which flush both the file and
// its folder. Failures throw PellamError.

// Flushes a file's bytes to the disk (PellamError 57 when it cannot).
PELLAM_PLATFORM_EXPORT void syncFile(const QString& file);

// Flushes a folder's entries (names made, renamed or removed) to the disk.
// Throws PellamError 57 when it cannot; a file system that cannot flush
// folders at all is taken as having nothing to flush.
PELLAM_PLATFORM_EXPORT void syncFolder(const QString& folder);

enum class IfTargetExists { Replace, Refuse };

// Flushes `temporary`, renames it to `target` in one step and flushes the
// folder. With Refuse, a `target` that exists (even one made meanwhile by
// another program) stays and PellamError 58 is thrown; any other failure
// throws PellamError 75 naming the reason. `temporary` stays on failure;
// removing it is the caller's choice.
PELLAM_PLATFORM_EXPORT void replaceFile(const QString& temporary, const QString& target,
                                        IfTargetExists ifExists = IfTargetExists::Replace);

// Why the system refuses more of `file`, whose last write or flush failed.
// Qt keeps no reason when only the end of a write was refused (the disk
// filled up part-way through it), so one more byte at the end of the file
// asks again: meant for a file that is given up.
PELLAM_PLATFORM_EXPORT QString whyNotWritten(QFileDevice& file);

// QSaveFile::commit (which renames the file into place), the file flushed
// to the disk before and its folder after. False when any of it fails, with
// the reason in `why` for the caller to report; the temporary file is then
// gone, and a file of that name stays as it was.
PELLAM_PLATFORM_EXPORT bool commitAndSync(QSaveFile& file, QString& why);

// What every writer of a file the user asked for (a report, a workbook, a
// PDF) raises when the file cannot be written in full: PellamError 57,
// "The file <file> cannot be written: <reason>", on one line.
PELLAM_PLATFORM_EXPORT PellamError cannotWrite(const QString& file, const QString& reason);

} // namespace pellam::files
