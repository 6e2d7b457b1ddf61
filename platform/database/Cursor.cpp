#include "database/Cursor.h"

#include "database/Connection.h"
#include "database/RowErrors.h"

#include <sqlite3.h>
#include <utility>

namespace pellam::db {

Cursor::Cursor(Connection& connection, const QString& sql, const QVariantList& params)
    : connection_(&connection), stmt_(connection.prepareOwn(sql, params))
{
    const int columns = sqlite3_column_count(stmt_);
    for (int i = 0; i < columns; ++i)
        names_ << QString::fromUtf8(sqlite3_column_name(stmt_, i));
    step();
}

Cursor::~Cursor()
{
    finish();
}

Cursor::Cursor(Cursor&& other) noexcept
    : connection_(other.connection_), stmt_(std::exchange(other.stmt_, nullptr)), names_(std::move(other.names_))
{
}

void Cursor::finish()
{
    if (stmt_)
        sqlite3_finalize(stmt_);
    stmt_ = nullptr;
}

void Cursor::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return;
    // Done or failed, the statement has nothing more to give: finishing it
    // now ends its read of the file before the walk's writer is done.
    finish();
    if (rc != SQLITE_DONE)
        connection_->failed(rc);
}

void Cursor::MoveNext()
{
    if (!stmt_)
        noCurrentRow();
    step();
}

int Cursor::fieldIndex(const QString& name) const
{
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Cursor::requireField(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        noSuchField();
    return i;
}

sqlite3_stmt* Cursor::current(int index) const
{
    if (!stmt_)
        noCurrentRow();
    if (index < 0 || index >= names_.size())
        noSuchField();
    return stmt_;
}

QVariant Cursor::value(int index) const
{
    return Connection::fieldValue(current(index), index);
}

QVariant Cursor::value(const QString& name) const
{
    return value(requireField(name));
}

bool Cursor::isNull(int index) const
{
    return sqlite3_column_type(current(index), index) == SQLITE_NULL;
}

qint64 Cursor::toInt(int index) const
{
    return sqlite3_column_int64(current(index), index);
}

QString Cursor::toString(int index) const
{
    sqlite3_stmt* stmt = current(index);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, index));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, index)) : QString();
}

} // namespace pellam::db

namespace pellam::db {

QDate Cursor::toDate(int index) const
{
    sqlite3_stmt* stmt = current(index);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, index));
    const int size = sqlite3_column_bytes(stmt, index);
    if (!text)
        return {};
    // The books store days as "yyyy-mm-dd": read without a parser, as a
    // walk reads one on every row.
    const auto digits = [text](int from, int count) {
        int n = 0;
        for (int i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return -1;
            n = n * 10 + (text[i] - '0');
        }
        return n;
    };
    if (size == 10 && text[4] == '-' && text[7] == '-') {
        const int y = digits(0, 4), m = digits(5, 2), d = digits(8, 2);
        if (y >= 0 && m >= 0 && d >= 0)
            return QDate(y, m, d);
    }
    return QDate::fromString(QString::fromUtf8(text, size).left(10), Qt::ISODate);
}

} // namespace pellam::db
