#pragma once

#include "PlatformExport.h"
#include "database/RecordSet.h"
#include "errors/ErrorNumber.h"

#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;

namespace pellam::db {

// The database's failures carry the program's error numbers.
using enum pellam::ErrorNumber;

// One connection to an SQLite database file: statements with bound values,
// one transaction at a time, and the SQL functions the program's queries use
// (month, year, day, datevalue of a day/month/year text, date() as today).
// Every failure throws PellamError with one of the numbers above.
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
    void Close();
    // 0 closed, 1 open.
    int State() const;
    QString fileName() const { return file_; }

    // A query's rows; `?` in the text takes the values in order.
    RecordSet query(const QString& sql, const QVariantList& params = {});
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
    struct Impl;
    std::unique_ptr<Impl> d;
    QString file_;
};

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
