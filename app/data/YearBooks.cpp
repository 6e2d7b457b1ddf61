#include "data/YearBooks.h"

#include "data/DatabaseFiles.h"
#include "data/Rights.h"

#include <QDir>
#include <QFileInfo>

namespace pellam::data {

namespace {

// What every new year's books and the template hold: the schema's own
// settings rows, not copied by the yearly closing.
void writeVersionRows(db::Connection& conn)
{
    conn.execute(QStringLiteral("insert into AccUptodate(dtupdate) values(date())"));
    conn.execute(QStringLiteral("insert into initialize(jouprndefa) values(0)"));
}

// The rows a year's books start with when no earlier year exists.
void writeFirstRows(db::Connection& conn)
{
    conn.execute(QStringLiteral("insert into account(accno, AccCode, AccountName, Remarks) values(1, ?, ?, '')"),
                 {kCashCode, kCashName});
    conn.execute(QStringLiteral("insert into PostSettings(SettingName, SettingValue) values(?, '1')"),
                 {kCashAccountSetting});
    conn.execute(QStringLiteral("insert into organization(ShopId, shopName, Place, Post, PinCode, Ledname, RecName, "
                                "Qname, MonName) values(1, ?, '', '', '', ?, ?, ?, ?)"),
                 {QStringLiteral("MAIN INSTITUTION"), QStringLiteral("LEDGER"), QStringLiteral("RECEIPTS AND PAYMENTS"),
                  QStringLiteral("QUARTERLY STATEMENT"), QStringLiteral("MONTHLY STATEMENT")});
    conn.execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(1, 1, 0, 'D')"));
    conn.execute(QStringLiteral("insert into loginuser(userid, username, description, userpwd) values(?, ?, '', null)"),
                 {QStringLiteral("MERION"), QStringLiteral("MERION")});
    conn.execute(QStringLiteral("insert into userrole(userid, role) values(?, ?)"),
                 {QStringLiteral("MERION"), roleName(Role::Administrator)});
}

} // namespace

void writeNewBooks(db::Connection& conn)
{
    createSchema(conn);
    db::Transaction transaction(conn);
    writeVersionRows(conn);
    writeFirstRows(conn);
    transaction.commit();
}

void createYearBooks(const QString& file)
{
    writeDatabaseAtomically(file, writeNewBooks);
}

void ensureTemplate(const QString& appFolder)
{
    const QString file = QDir(appFolder).filePath(kTemplateFileName);
    if (QFileInfo::exists(file))
        return;
    // The closing copies heads, institutions, settings and users into it with
    // their numbers, so those tables stay empty here.
    writeDatabaseAtomically(file, [](db::Connection& conn) {
        createSchema(conn);
        db::Transaction transaction(conn);
        writeVersionRows(conn);
        transaction.commit();
    });
}

} // namespace pellam::data
