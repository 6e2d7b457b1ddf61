#pragma once

#include "database/Connection.h"
#include "errors/ErrorNumber.h"

#include <QString>
#include <functional>

namespace pellam::data {

// Removes a database file with its write-ahead log, shared memory and
// rollback journal. False when one of them stays behind.
bool removeDatabaseFiles(const QString& file);

// Flushes a file's bytes to the disk.
void syncFile(const QString& file);

// Writes a database file whole or not at all: `fill` builds it under
// `file` + ".new" (a leftover of an interrupted run is discarded first),
// which is then synced and renamed to `file`. Throws PellamError 58 when
// `file` exists, and any error of `fill`; nothing is left under either name.
void writeDatabaseAtomically(const QString& file, const std::function<void(db::Connection&)>& fill);

} // namespace pellam::data
