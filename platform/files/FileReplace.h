#pragma once

#include "PlatformExport.h"

#include <QString>

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

// QSaveFile::commit (which flushes the file and renames it into place),
// then the folder flushed. False when either fails: the caller reports it.
PELLAM_PLATFORM_EXPORT bool commitAndSync(QSaveFile& file);

} // namespace pellam::files
