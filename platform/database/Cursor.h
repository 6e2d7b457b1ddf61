#pragma once

#include "PlatformExport.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3_stmt;

namespace pellam::db {

class Connection;

// The rows of one query read one at a time, forward only, for walks too
// long to hold (a year's vouchers): only the current row is in memory. The
// fields read as a RecordSet's do (by index, or by name without regard to
// case; Null as a null QVariant) and fail with the same numbers: 3021 past
// the last row, 3265 for a field that does not exist, and a failing step
// as the connection's own statements fail.
//
// The cursor has a statement of its own, so the connection's other queries,
// the same text among them, may run while it walks. The statement is
// finished once the last row has passed, or when the cursor goes; the
// connection must outlive it.
class PELLAM_PLATFORM_EXPORT Cursor {
public:
    // Positioned on the first row (eof() when there is none).
    Cursor(Connection& connection, const QString& sql, const QVariantList& params = {});
    ~Cursor();
    Cursor(Cursor&& other) noexcept;
    Cursor& operator=(Cursor&&) = delete;
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    bool eof() const { return !stmt_; }
    void MoveNext();

    int FieldCount() const { return int(names_.size()); }
    QString FieldName(int index) const { return names_.value(index); }
    // -1 when there is no such field.
    int fieldIndex(const QString& name) const;

    QVariant value(int index) const;
    QVariant value(const QString& name) const;
    QVariant operator[](const QString& name) const { return value(name); }

    // By index without a QVariant between, for walks of many rows.
    bool isNull(int index) const;
    qint64 toInt(int index) const;
    // Empty (and null) for a Null field.
    QString toString(int index) const;
    // A stored date ("2024-04-05"); invalid when the field is Null.
    QDate toDate(int index) const;

    bool isNull(const QString& name) const { return isNull(requireField(name)); }
    qint64 toInt(const QString& name) const { return toInt(requireField(name)); }
    QString toString(const QString& name) const { return toString(requireField(name)); }

private:
    int requireField(const QString& name) const;
    // The statement on the current row and `index` one of its columns.
    sqlite3_stmt* current(int index) const;
    void step();
    void finish();

    Connection* connection_;
    sqlite3_stmt* stmt_ = nullptr;
    QStringList names_;
};

} // namespace pellam::db
