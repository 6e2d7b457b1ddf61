#include "data/DatabaseFiles.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "files/FileHold.h"
#include "files/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <set>

namespace pellam::data {

namespace {

const QString kSource = QStringLiteral("Pellam books");
// A database file and what SQLite puts beside it.
const char* const kDatabaseSuffixes[] = {"", "-wal", "-shm", "-journal"};
// What SQLite and a hold put beside a database file.
const char* const kCompanions[] = {"-wal", "-shm", "-journal", "-hold"};

bool anyDatabaseFile(const QString& file)
{
    return std::any_of(std::begin(kDatabaseSuffixes), std::end(kDatabaseSuffixes),
                       [&](const char* suffix) { return QFileInfo::exists(file + QLatin1String(suffix)); });
}

PellamError cannotRemove(const QString& file)
{
    return PellamError(PathAccessError, QStringLiteral("Cannot remove the unfinished file %1.").arg(file), kSource);
}

// The database file a name in the folder belongs to: itself, or the file
// beside which SQLite or a hold put it.
QString familyOf(const QString& name)
{
    for (const char* suffix : kCompanions)
        if (name.endsWith(QLatin1String(suffix)))
            return name.chopped(qsizetype(qstrlen(suffix)));
    return name;
}

} // namespace

bool removeDatabaseFiles(const QString& file)
{
    bool removed = true;
    for (const char* suffix : kDatabaseSuffixes) {
        const QString name = file + QLatin1String(suffix);
        if (QFileInfo::exists(name) && !QFile::remove(name))
            removed = false;
    }
    return removed;
}

QStringList removeLeftovers(const QString& folder, const QStringList& patterns)
{
    QStringList filters = patterns;
    for (const QString& pattern : patterns)
        for (const char* suffix : kCompanions)
            filters << pattern + QLatin1String(suffix);
    const QDir dir(folder);
    std::set<QString> families;
    for (const QString& name : dir.entryList(filters, QDir::Files))
        if (QDir::match(patterns, familyOf(name)))
            families.insert(familyOf(name));
    QStringList removed;
    for (const QString& name : families) {
        const QString file = dir.filePath(name);
        files::FileHold hold;
        if (!hold.take(file, files::FileHold::Mode::Exclusive))
            continue;
        hold.removeWhenReleased();
        const bool anything = anyDatabaseFile(file);
        if (!removeDatabaseFiles(file))
            throw cannotRemove(file);
        if (anything)
            removed << file;
    }
    if (!removed.isEmpty())
        files::syncFolder(folder);
    return removed;
}

void writeDatabaseAtomically(const QString& file, const std::function<void(db::Connection&)>& fill)
{
    if (QFileInfo::exists(file))
        throw PellamError(FileExists, QStringLiteral("The file %1 already exists.").arg(file), kSource);
    const QString temporary = file + QStringLiteral(".new");
    if (!removeDatabaseFiles(temporary))
        throw cannotRemove(temporary);
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
        // Books made meanwhile by someone else stay.
        files::replaceFile(temporary, file, files::IfTargetExists::Refuse);
    } catch (...) {
        removeDatabaseFiles(temporary);
        throw;
    }
}

} // namespace pellam::data
