#pragma once

#include "PlatformExport.h"
#include "database/Cursor.h"
#include "database/RecordSet.h"
#include "errors/ErrorNumber.h"

#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace pellam::db {

// The database's failures carry the program's error numbers.
using enum pellam::ErrorNumber;

// One connection to an SQLite database file: statements with bound values,
// one transaction at a time, and the SQL functions the program's queries use
// (month, year, day, datevalue of a day/month/year text, date() as today).
// Every failure throws PellamError with one of the numbers above.
//
// A connection keeps writing into the file it opened even after another
// file was renamed over its name, and what it writes then is lost with the
// old file. So before each write (a transaction's begin and commit, a
// statement that changes the database outside a transaction) it compares
// the file it has open with the one under its name, and refuses with
// PellamError 3197 when they differ.
class PELLAM_PLATFORM_EXPORT Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens `file` (created when missing, unless `mustExist`). Write-ahead
    // logging, full sync, and a busy wait of `busyMs` for a second program.
    // `readOnly` opens an existing file without changing a byte of it.
    void Open(const QString& file, bool mustExist = true, int busyMs = 5000, bool readOnly = false);
    // Opens an existing file that other programs work in too (a year's
    // books) as Open does, holding it shared (files::FileHold) until Close.
    // A program that replaces the file holds it exclusively; while one does,
    // this waits up to `busyMs` and then throws PellamError 3261.
    void OpenHeld(const QString& file, bool readOnly = false, int busyMs = 5000);
    // Opens an existing file only to look at it, before anything trusts
    // it: read-only, and leaving nothing beside it either. A read-only
    // connection on a file in write-ahead-log mode makes its log and index
    // files when they are missing and leaves them behind; when they are
    // missing no program has the file open, so it is read as it lies on
    // the disk instead. Meant for a short look (the schema), not for work.
    void OpenUntouched(const QString& file);
    void Close();
    // 0 closed, 1 open.
    int State() const;
    QString fileName() const;

    // A query's rows; `?` in the text takes the values in order.
    RecordSet query(const QString& sql, const QVariantList& params = {});
    // The same rows one at a time, never all held at once.
    Cursor cursor(const QString& sql, const QVariantList& params = {});
    // A statement without rows; the number of rows it changed.
    int execute(const QString& sql, const QVariantList& params = {});
    // The first column of the first row, or Null.
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    // Several statements separated by semicolons, without values.
    void executeScript(const QString& sql);
    qint64 lastInsertId() const;

    // BEGIN IMMEDIATE: waits its turn instead of failing half-way.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool inTransaction() const;

    // The raw handle, for copies through the backup interface.
    sqlite3* handle() const;

private:
    friend class Cursor;
    // A statement of the caller's own, not in the cache; finalised by it.
    sqlite3_stmt* prepareOwn(const QString& sql, const QVariantList& params);
    // Throws the failure `code` of a statement as the connection's own do.
    [[noreturn]] void failed(int code) const;
    static QVariant fieldValue(sqlite3_stmt* stmt, int column);

    struct Impl;
    // `asOnDisk`: no locks, no log, no index; the file is taken as it lies.
    void open(const QString& file, bool mustExist, int busyMs, bool readOnly, bool asOnDisk);
    std::unique_ptr<Impl> d;
};

// Whether the database file says in its header that it keeps a
// write-ahead log (opening it for writing then changes nothing of it).
PELLAM_PLATFORM_EXPORT bool writesAheadLog(const QString& file);

// Commits when told to; rolls back when the scope ends otherwise.
class PELLAM_PLATFORM_EXPORT Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool done_ = false;
};

} // namespace pellam::db
