#include "database/Connection.h"

#include "errors/PellamError.h"
#include "files/FileHold.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>

#include <sqlite3.h>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace pellam::db {

namespace {

const QString kSource = QStringLiteral("Pellam database");

int numberFor(int extendedCode)
{
    switch (extendedCode) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: return DuplicateKey;
    default: break;
    }
    switch (extendedCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return DatabaseLocked;
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return CannotOpen;
    default: return StatementFailed;
    }
}

[[noreturn]] void fail(sqlite3* db, int code)
{
    const int extended = db ? sqlite3_extended_errcode(db) : code;
    const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
    throw PellamError(numberFor(extended ? extended : code), message, kSource);
}

QString textArg(sqlite3_value* v)
{
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return t ? QString::fromUtf8(t) : QString();
}

// A stored date ("2024-04-05", maybe with a time) or a day-first text.
QDate dateArg(sqlite3_value* v)
{
    const QString s = textArg(v).trimmed();
    QDate d = QDate::fromString(s.left(10), Qt::ISODate);
    if (!d.isValid()) {
        static const QRegularExpression dmy(QStringLiteral(R"(^(\d{1,2})[/\-.](\d{1,2})[/\-.](\d{4})$)"));
        const auto m = dmy.match(s);
        if (m.hasMatch())
            d = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    }
    return d;
}

void datePart(sqlite3_context* ctx, int argc, sqlite3_value** argv, int which)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDate d = dateArg(argv[0]);
    if (!d.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int(ctx, which == 0 ? d.year() : which == 1 ? d.month() : d.day());
}

void fnYear(sqlite3_context* c, int n, sqlite3_value** v) { datePart(c, n, v, 0); }
void fnMonth(sqlite3_context* c, int n, sqlite3_value** v) { datePart(c, n, v, 1); }
void fnDay(sqlite3_context* c, int n, sqlite3_value** v) { datePart(c, n, v, 2); }

void resultDate(sqlite3_context* ctx, const QDate& d)
{
    if (!d.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray iso = d.toString(Qt::ISODate).toUtf8();
    sqlite3_result_text(ctx, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
}

// datevalue('31/03/2009') is the stored form of that date.
void fnDateValue(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    resultDate(ctx, dateArg(argv[0]));
}

// date() with no argument is today on this computer's calendar.
void fnToday(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultDate(ctx, QDate::currentDate());
}

void bindValue(sqlite3* db, sqlite3_stmt* stmt, int index, const QVariant& v)
{
    int rc = SQLITE_OK;
    if (v.isNull()) {
        rc = sqlite3_bind_null(stmt, index);
    } else {
        switch (v.typeId()) {
        case QMetaType::Bool: rc = sqlite3_bind_int(stmt, index, v.toBool() ? 1 : 0); break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: rc = sqlite3_bind_int64(stmt, index, v.toLongLong()); break;
        case QMetaType::Double:
        case QMetaType::Float: rc = sqlite3_bind_double(stmt, index, v.toDouble()); break;
        case QMetaType::QDate: {
            const QByteArray iso = v.toDate().toString(Qt::ISODate).toUtf8();
            rc = sqlite3_bind_text(stmt, index, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(stmt, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(db, rc);
}

QVariant columnValue(sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                          sqlite3_column_bytes(stmt, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)), sqlite3_column_bytes(stmt, i)));
    default: return QVariant();
    }
}

// Which file a name stands for: its device and inode.
struct FileIdentity {
    bool known = false;
    quint64 device = 0, inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity identityOf(const QString& file)
{
#ifdef Q_OS_WIN
    // SQLite opens a database there without FILE_SHARE_DELETE, so no
    // other file can be renamed over it while it is open.
    Q_UNUSED(file);
    return {};
#else
    struct stat info;
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        return {true, 0, 0};
    return {true, quint64(info.st_dev), quint64(info.st_ino)};
#endif
}

} // namespace

bool writesAheadLog(const QString& file)
{
    // The header: "SQLite format 3", then at 18 and 19 the write and read
    // versions, 2 for a write-ahead log.
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = f.read(20);
    return header.size() == 20 && header.startsWith(QByteArrayLiteral("SQLite format 3\0")) && header[18] == 2 &&
           header[19] == 2;
}

struct Connection::Impl {
    sqlite3* db = nullptr;
    QString file;
    // The file opened, as it was named then.
    FileIdentity opened;
    files::FileHold hold;
    // Prepared statements by text: reports and checks run the same texts often.
    QHash<QString, sqlite3_stmt*> statements;

    ~Impl() { clear(); }

    void clear()
    {
        for (sqlite3_stmt* s : std::as_const(statements))
            sqlite3_finalize(s);
        statements.clear();
    }

    void requireOpen() const
    {
        if (!db)
            throw PellamError(CannotOpen, QStringLiteral("The connection is closed."), kSource);
    }

    sqlite3_stmt* compile(const QString& sql)
    {
        sqlite3_stmt* stmt = nullptr;
        const QByteArray text = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt, nullptr);
        if (rc != SQLITE_OK)
            fail(db, rc);
        if (!stmt) // only blanks or a comment
            throw PellamError(StatementFailed, QStringLiteral("The statement is empty."), kSource);
        return stmt;
    }

    sqlite3_stmt* prepare(const QString& sql, const QVariantList& params)
    {
        requireOpen();
        sqlite3_stmt* stmt = statements.value(sql, nullptr);
        if (!stmt) {
            stmt = compile(sql);
            if (statements.size() >= 128)
                clear();
            statements.insert(sql, stmt);
        }
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        bind(stmt, params);
        return stmt;
    }

    // A statement apart from the cache, for a walk that others' queries
    // must not reset half way.
    sqlite3_stmt* prepareOwn(const QString& sql, const QVariantList& params)
    {
        requireOpen();
        sqlite3_stmt* stmt = compile(sql);
        try {
            bind(stmt, params);
        } catch (...) {
            sqlite3_finalize(stmt);
            throw;
        }
        return stmt;
    }

    void bind(sqlite3_stmt* stmt, const QVariantList& params)
    {
        // Inside a transaction the check was made at its begin.
        if (!sqlite3_stmt_readonly(stmt) && sqlite3_get_autocommit(db))
            requireSameFile();
        if (params.size() != sqlite3_bind_parameter_count(stmt))
            throw PellamError(StatementFailed,
                              QStringLiteral("The statement takes %1 values, %2 were given.")
                                  .arg(sqlite3_bind_parameter_count(stmt))
                                  .arg(params.size()),
                              kSource);
        for (int i = 0; i < params.size(); ++i)
            bindValue(db, stmt, i + 1, params[i]);
    }

    void requireSameFile() const
    {
        if (opened.known && identityOf(file) != opened)
            throw PellamError(FileReplaced,
                              QStringLiteral("The books in %1 were replaced by another program (a restore or a closing) "
                                             "after they were opened here, so nothing was written. Close the program "
                                             "and open the books again.")
                                  .arg(file),
                              kSource);
    }
};

Connection::Connection() : d(std::make_unique<Impl>()) {}

Connection::~Connection()
{
    Close();
}

void Connection::Open(const QString& file, bool mustExist, int busyMs, bool readOnly)
{
    open(file, mustExist, busyMs, readOnly, false);
}

void Connection::OpenUntouched(const QString& file)
{
    open(file, true, 5000, true, writesAheadLog(file) && !QFileInfo::exists(file + QStringLiteral("-wal")));
}

void Connection::open(const QString& file, bool mustExist, int busyMs, bool readOnly, bool asOnDisk)
{
    if (State() == 1)
        Close();
    if ((mustExist || readOnly) && !QFileInfo(file).isFile())
        throw PellamError(CannotOpen, QStringLiteral("Could not find file '%1'.").arg(file), kSource);
    // Opened through SQLite itself, so the program and its libraries share
    // one copy of SQLite and one handle.
    int flags = readOnly ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    QByteArray name = file.toUtf8();
    if (asOnDisk) {
        flags |= SQLITE_OPEN_URI;
        name = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toEncoded() + "?immutable=1";
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw PellamError(CannotOpen, why.isEmpty() ? QStringLiteral("The database cannot be opened.") : why, kSource);
    }
    d->db = db;
    d->file = file;
    d->opened = identityOf(file);
    try {
        sqlite3_extended_result_codes(d->db, 1);
        sqlite3_busy_timeout(d->db, busyMs);
        const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
        sqlite3_create_function(d->db, "month", 1, flags, nullptr, fnMonth, nullptr, nullptr);
        sqlite3_create_function(d->db, "year", 1, flags, nullptr, fnYear, nullptr, nullptr);
        sqlite3_create_function(d->db, "day", 1, flags, nullptr, fnDay, nullptr, nullptr);
        sqlite3_create_function(d->db, "datevalue", 1, flags, nullptr, fnDateValue, nullptr, nullptr);
        sqlite3_create_function(d->db, "date", 0, SQLITE_UTF8, nullptr, fnToday, nullptr, nullptr);
        // Reading the schema proves the file is a database at all.
        scalar(QStringLiteral("select count(*) from sqlite_master"));
        if (!readOnly) {
            query(QStringLiteral("pragma journal_mode=WAL"));
            execute(QStringLiteral("pragma synchronous=FULL"));
        }
    } catch (...) {
        Close();
        throw;
    }
}

void Connection::OpenHeld(const QString& file, bool readOnly, int busyMs)
{
    Close();
    if (!QFileInfo(file).isFile())
        throw PellamError(CannotOpen, QStringLiteral("Could not find file '%1'.").arg(file), kSource);
    files::FileHold hold;
    bool taken = true;
    try {
        taken = hold.take(file, files::FileHold::Mode::Shared, busyMs);
    } catch (const PellamError&) {
        // Books that only can be read, in a folder where no hold file can
        // be made, cannot be replaced from here either.
        if (!readOnly)
            throw;
    }
    if (!taken)
        throw PellamError(DatabaseLocked,
                          QStringLiteral("The books in %1 are being replaced by another program (a restore or a "
                                         "closing); try again when it has finished.")
                              .arg(file),
                          kSource);
    Open(file, true, busyMs, readOnly);
    d->hold = std::move(hold);
}

void Connection::Close()
{
    d->clear();
    if (d->db)
        sqlite3_close_v2(d->db);
    d->db = nullptr;
    d->file.clear();
    d->opened = {};
    d->hold.release();
}

QString Connection::fileName() const
{
    return d->file;
}

int Connection::State() const
{
    return d->db ? 1 : 0;
}

RecordSet Connection::query(const QString& sql, const QVariantList& params)
{
    sqlite3_stmt* stmt = d->prepare(sql, params);
    const int columns = sqlite3_column_count(stmt);
    QStringList names, types;
    for (int i = 0; i < columns; ++i) {
        names << QString::fromUtf8(sqlite3_column_name(stmt, i));
        const char* type = sqlite3_column_decltype(stmt, i);
        types << (type ? QString::fromUtf8(type).toUpper() : QString());
    }
    std::vector<QVariant> cells;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        for (int i = 0; i < columns; ++i)
            cells.push_back(columnValue(stmt, i));
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE)
        fail(d->db, rc);
    return RecordSet(std::move(names), std::move(types), std::move(cells));
}

Cursor Connection::cursor(const QString& sql, const QVariantList& params)
{
    return Cursor(*this, sql, params);
}

int Connection::execute(const QString& sql, const QVariantList& params)
{
    sqlite3_stmt* stmt = d->prepare(sql, params);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE)
        fail(d->db, rc);
    return sqlite3_changes(d->db);
}

QVariant Connection::scalar(const QString& sql, const QVariantList& params)
{
    sqlite3_stmt* stmt = d->prepare(sql, params);
    QVariant result;
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW && sqlite3_column_count(stmt) > 0)
        result = columnValue(stmt, 0);
    sqlite3_reset(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(d->db, rc);
    return result;
}

void Connection::executeScript(const QString& sql)
{
    if (!d->db)
        throw PellamError(CannotOpen, QStringLiteral("The connection is closed."), kSource);
    if (sqlite3_get_autocommit(d->db))
        d->requireSameFile();
    char* error = nullptr;
    const int rc = sqlite3_exec(d->db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = error ? QString::fromUtf8(error) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(error);
        throw PellamError(numberFor(sqlite3_extended_errcode(d->db)), message, kSource);
    }
}

qint64 Connection::lastInsertId() const
{
    return d->db ? sqlite3_last_insert_rowid(d->db) : 0;
}

void Connection::BeginTrans()
{
    if (d->db)
        d->requireSameFile();
    execute(QStringLiteral("BEGIN IMMEDIATE"));
}

void Connection::CommitTrans()
{
    if (d->db && !sqlite3_get_autocommit(d->db)) {
        try {
            d->requireSameFile();
        } catch (const PellamError&) {
            RollbackTrans();
            throw;
        }
    }
    execute(QStringLiteral("COMMIT"));
}

void Connection::RollbackTrans()
{
    if (inTransaction())
        execute(QStringLiteral("ROLLBACK"));
}

bool Connection::inTransaction() const
{
    return d->db && !sqlite3_get_autocommit(d->db);
}

sqlite3* Connection::handle() const
{
    return d->db;
}

sqlite3_stmt* Connection::prepareOwn(const QString& sql, const QVariantList& params)
{
    return d->prepareOwn(sql, params);
}

void Connection::failed(int code) const
{
    fail(d->db, code);
}

QVariant Connection::fieldValue(sqlite3_stmt* stmt, int column)
{
    return columnValue(stmt, column);
}

Transaction::Transaction(Connection& connection) : connection_(connection)
{
    connection_.BeginTrans();
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            connection_.RollbackTrans();
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    connection_.CommitTrans();
    done_ = true;
}

} // namespace pellam::db
