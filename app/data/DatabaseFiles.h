#pragma once

#include "database/Connection.h"
#include "errors/ErrorNumber.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace pellam::data {

// Removes a database file with its write-ahead log, shared memory and
// rollback journal. False when one of them stays behind.
bool removeDatabaseFiles(const QString& file);

// Removes from `folder` the unfinished database files whose names match
// one of `patterns` (temporary names only: "*.bak.partial"), with their
// logs and hold files, left there by runs that were interrupted. A file
// whose hold another run has is still being written and stays. The files
// removed; throws PellamError 75 when one of them cannot be removed.
QStringList removeLeftovers(const QString& folder, const QStringList& patterns);

// Writes a database file whole or not at all: `fill` builds it under
// `file` + ".new" (a leftover of an interrupted run is discarded first),
// which is then synced and renamed to `file`. Throws PellamError 58 when
// `file` exists, and any error of `fill`; nothing is left under either name.
void writeDatabaseAtomically(const QString& file, const std::function<void(db::Connection&)>& fill);

} // namespace pellam::data
