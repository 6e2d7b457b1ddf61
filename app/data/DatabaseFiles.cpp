#include "data/DatabaseFiles.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace pellam::data {

namespace {
const QString kSource = QStringLiteral("Pellam books");
}

bool removeDatabaseFiles(const QString& file)
{
    bool removed = true;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const QString name = file + QLatin1String(suffix);
        if (QFileInfo::exists(name) && !QFile::remove(name))
            removed = false;
    }
    return removed;
}

void syncFile(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite))
        throw PellamError(PathAccessError, QStringLiteral("Cannot open %1 to flush it to the disk.").arg(file), kSource);
#ifdef Q_OS_WIN
    const int rc = _commit(f.handle());
#else
    const int rc = ::fsync(f.handle());
#endif
    if (rc != 0)
        throw PellamError(DeviceIOError, QStringLiteral("Cannot flush %1 to the disk.").arg(file), kSource);
}

void writeDatabaseAtomically(const QString& file, const std::function<void(db::Connection&)>& fill)
{
    if (QFileInfo::exists(file))
        throw PellamError(FileExists, QStringLiteral("The file %1 already exists.").arg(file), kSource);
    const QString temporary = file + QStringLiteral(".new");
    if (!removeDatabaseFiles(temporary))
        throw PellamError(PathAccessError, QStringLiteral("Cannot remove the unfinished file %1.").arg(temporary), kSource);
    try {
        {
            db::Connection conn;
            conn.Open(temporary, false);
            // A file that fails half-way is deleted, never repaired: it
            // needs no journal while it is built. The sync comes at the end.
            conn.query(QStringLiteral("pragma journal_mode=off"));
            conn.execute(QStringLiteral("pragma synchronous=off"));
            fill(conn);
            conn.Close();
        }
        syncFile(temporary);
        // rename never replaces: books made meanwhile by someone else stay.
        if (!QFile::rename(temporary, file))
            throw PellamError(QFileInfo::exists(file) ? int(FileExists) : int(PathAccessError),
                              QStringLiteral("Cannot rename %1 to %2.").arg(temporary, file), kSource);
    } catch (...) {
        removeDatabaseFiles(temporary);
        throw;
    }
}

} // namespace pellam::data
