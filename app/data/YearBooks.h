#pragma once

#include "database/Connection.h"

#include <QString>

namespace pellam::data {

// The PostSettings row that names the cash account's number.
inline const QString kCashAccountSetting = QStringLiteral("CashAccNo");
// The cash account of new books.
inline const QString kCashCode = QStringLiteral("CASH");
inline const QString kCashName = QStringLiteral("CASH A/C");
// The template the yearly closing copies, in the application folder.
inline const QString kTemplateFileName = QStringLiteral("Account.bdk");

// Tables, views and indexes of a year's books. Creates only what is missing
// and redefines the views, so it is safe on books of any age.
void createSchema(db::Connection& conn);
// The tables added since the books' first layout, made when missing: every
// route that opens books for writing calls it, so older books get them
// without the restart an upgrade asks for. Writes nothing when all exist.
void addMissingTables(db::Connection& conn);
// Whether the books have the table `name` (books older than a table lack it).
bool hasTable(db::Connection& conn, const QString& name);

// Writes the rows a year's books start with into an empty database: the
// schema, the cash account, institution 1, the user and the version rows.
void writeNewBooks(db::Connection& conn);

// Creates a year's books from nothing at `file`: built under a temporary
// name in the same folder, then renamed, so an interrupted run leaves no
// half-made year file. Cash account ("CASH", "CASH A/C", zero opening),
// institution 1, user "MERION" without password, the AccUptodate row (today)
// and an initialize row (no voucher print after saving).
// Throws PellamError when the file exists or cannot be made.
void createYearBooks(const QString& file);

// Writes the empty template Account.bdk into `appFolder` when it is missing:
// the schema with its AccUptodate and initialize rows; the yearly closing
// fills in heads, institutions, settings and users.
void ensureTemplate(const QString& appFolder);

} // namespace pellam::data
