#include "database/Connection.h"
#include "errors/PellamError.h"
#include "support/ErrorNumberOf.h"
#include "files/FileHold.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::db;

using pellam::test::errorNumberOf;

namespace {

struct Books : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("account2627.db"));
    Connection conn;

    void SetUp() override
    {
        conn.Open(file, false);
        conn.executeScript(QStringLiteral(
            "create table account(accno integer primary key, AccCode text collate nocase unique, AccountName text);"
            "create table journal(jousrlno integer primary key, joudate date, amount integer, narration text);"));
        conn.execute(QStringLiteral("insert into account values(1,'CASH','CASH A/C')"));
        conn.execute(QStringLiteral("insert into account(AccCode,AccountName) values(?,?)"),
                     {QStringLiteral("DON"), QStringLiteral("St. Mary's Donations")});
        conn.execute(QStringLiteral("insert into account(AccCode,AccountName) values(?,?)"),
                     {QStringLiteral("SAL"), QVariant()});
    }
};

} // namespace

TEST_F(Books, QueriesGiveExactCountsFieldsByNameAndNulls)
{
    RecordSet rs = conn.query(QStringLiteral("select * from account order by accno"));
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.FieldCount(), 3);
    EXPECT_EQ(rs.FieldName(1), QStringLiteral("AccCode"));
    EXPECT_EQ(rs.FieldType(0), QStringLiteral("INTEGER"));
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    EXPECT_EQ(rs.toString(QStringLiteral("acccode")), QStringLiteral("CASH"));
    rs.MoveNext();
    EXPECT_EQ(rs.toString(QStringLiteral("ACCOUNTNAME")), QStringLiteral("St. Mary's Donations"));
    EXPECT_EQ(rs.AbsolutePosition(), 2);
    rs.MoveNext();
    EXPECT_TRUE(rs.isNull(QStringLiteral("AccountName")));
    rs.MoveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(errorNumberOf([&] { rs.value(0); }), 3021);
    EXPECT_EQ(errorNumberOf([&] { rs.MoveNext(); }), 3021);
    rs.MoveFirst();
    EXPECT_EQ(errorNumberOf([&] { rs.value(QStringLiteral("nosuch")); }), 3265);

    RecordSet none = conn.query(QStringLiteral("select * from account where accno=?"), {99});
    EXPECT_EQ(none.RecordCount(), 0);
    EXPECT_TRUE(none.eof());
    EXPECT_TRUE(none.bof());
    EXPECT_TRUE(conn.scalar(QStringLiteral("select sum(amount) from journal")).isNull()) << "sum over no rows is Null";
    EXPECT_EQ(conn.scalar(QStringLiteral("select count(*) from account where AccCode=?"), {QStringLiteral("don")}).toInt(), 1)
        << "text compares without regard to case";
}

TEST_F(Books, FilterNarrowsCountAndRows)
{
    RecordSet rs = conn.query(QStringLiteral("select accno, AccCode from account order by accno"));
    rs.setFilter([](const RecordSet::Row& r) { return r.toInt(QStringLiteral("accno")) >= 2; });
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.toString(QStringLiteral("AccCode")), QStringLiteral("DON"));
    EXPECT_EQ(rs.cell(1, 1).toString(), QStringLiteral("SAL"));
    rs.setFilter([](const RecordSet::Row& r) { return r.toString(QStringLiteral("AccCode")) == QLatin1String("X"); });
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.eof());
    rs.clearFilter();
    EXPECT_EQ(rs.RecordCount(), 3);
}

TEST_F(Books, ErrorsCarryTheNumbersTheHandlersKnow)
{
    EXPECT_EQ(errorNumberOf([&] { conn.execute(QStringLiteral("insert into account(AccCode) values('cash')")); }),
              DuplicateKey);
    EXPECT_EQ(errorNumberOf([&] { conn.query(QStringLiteral("select * from nosuchtable")); }), StatementFailed);
    EXPECT_EQ(errorNumberOf([&] { conn.execute(QStringLiteral("insert into account values(?)"), {1, 2}); }),
              StatementFailed);

    Connection other;
    other.Open(file, true, 100);
    conn.BeginTrans();
    EXPECT_EQ(errorNumberOf([&] { other.BeginTrans(); }), DatabaseLocked);
    conn.RollbackTrans();

    Connection missing;
    EXPECT_EQ(errorNumberOf([&] { missing.Open(dir.filePath(QStringLiteral("none.db"))); }), CannotOpen);
    EXPECT_EQ(missing.State(), 0);
    QFile junk(dir.filePath(QStringLiteral("junk.db")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    EXPECT_EQ(errorNumberOf([&] { missing.Open(junk.fileName()); }), CannotOpen);
    EXPECT_EQ(missing.State(), 0);
}

TEST_F(Books, TransactionRollsBackUnlessCommitted)
{
    try {
        Transaction t(conn);
        conn.execute(QStringLiteral("insert into journal(joudate,amount) values('2026-04-01',100)"));
        conn.execute(QStringLiteral("insert into account(AccCode) values('DON')"));
        t.commit();
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), DuplicateKey);
    }
    EXPECT_EQ(conn.scalar(QStringLiteral("select count(*) from journal")).toInt(), 0);
    EXPECT_FALSE(conn.inTransaction());
    {
        Transaction t(conn);
        conn.execute(QStringLiteral("insert into journal(joudate,amount) values('2026-04-01',100)"));
        t.commit();
    }
    EXPECT_EQ(conn.scalar(QStringLiteral("select count(*) from journal")).toInt(), 1);
}

// Another program renames a file of its own over the books while this
// connection has them open: what it writes from then on would go into the
// old file, which is gone.
TEST_F(Books, AConnectionWhoseFileWasReplacedRefusesEveryWrite)
{
    const QString message = QStringLiteral("The books in %1 were replaced by another program (a restore or a closing) "
                                           "after they were opened here, so nothing was written. Close the program "
                                           "and open the books again.")
                                .arg(file);
    const auto replaceBooks = [&] {
        const QString other = dir.filePath(QStringLiteral("other.db"));
        {
            Connection made;
            made.Open(other, false);
            made.executeScript(QStringLiteral("create table journal(jousrlno integer primary key, joudate date, "
                                              "amount integer, narration text);"));
        }
        ASSERT_EQ(std::rename(QFile::encodeName(other).constData(), QFile::encodeName(file).constData()), 0);
    };
    const struct {
        const char* name;
        std::function<void()> write;
    } cases[] = {
        {"a statement", [&] { conn.execute(QStringLiteral("insert into journal(narration) values('LOST')")); }},
        {"a script", [&] { conn.executeScript(QStringLiteral("insert into journal(narration) values('LOST');")); }},
        {"a transaction", [&] {
             Transaction t(conn);
             conn.execute(QStringLiteral("insert into journal(narration) values('LOST')"));
             t.commit();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        conn.Open(file);
        replaceBooks();
        try {
            c.write();
            ADD_FAILURE() << "written";
        } catch (const PellamError& e) {
            EXPECT_EQ(e.Number(), FileReplaced);
            EXPECT_EQ(e.Description(), message);
        }
        EXPECT_FALSE(conn.inTransaction());
    }

    // A transaction begun before the replacement is rolled back at its commit.
    conn.Open(file);
    conn.BeginTrans();
    conn.execute(QStringLiteral("insert into journal(narration) values('LOST')"));
    replaceBooks();
    EXPECT_EQ(errorNumberOf([&] { conn.CommitTrans(); }), FileReplaced);
    EXPECT_FALSE(conn.inTransaction());

    Connection reopened;
    reopened.Open(file);
    EXPECT_EQ(reopened.scalar(QStringLiteral("select count(*) from journal")).toInt(), 0);
    reopened.execute(QStringLiteral("insert into journal(narration) values('KEPT')"));
    EXPECT_EQ(reopened.scalar(QStringLiteral("select count(*) from journal")).toInt(), 1) << "a fresh open writes";
}

// Programs that work in the books hold them shared; one that replaces them
// holds them alone.
TEST_F(Books, HeldBooksAreNeitherOpenedWhileReplacedNorReplacedWhileOpen)
{
    Connection clerk;
    clerk.OpenHeld(file);
    files::FileHold replacing;
    EXPECT_FALSE(replacing.take(file, files::FileHold::Mode::Exclusive)) << "open in another program";
    Connection reports;
    reports.OpenHeld(file, true);
    EXPECT_EQ(reports.scalar(QStringLiteral("select count(*) from account")).toInt(), 3) << "readers share the hold";

    clerk.Close();
    reports.Close();
    ASSERT_TRUE(replacing.take(file, files::FileHold::Mode::Exclusive));
    try {
        clerk.OpenHeld(file, false, 50);
        ADD_FAILURE() << "opened while the books were being replaced";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), DatabaseLocked);
        EXPECT_EQ(e.Description(), QStringLiteral("The books in %1 are being replaced by another program (a restore or a "
                                                  "closing); try again when it has finished.")
                                       .arg(file));
    }
    EXPECT_EQ(clerk.State(), 0);
    replacing.release();
    clerk.OpenHeld(file);
    EXPECT_EQ(clerk.State(), 1);
    EXPECT_EQ(errorNumberOf([&] { clerk.OpenHeld(dir.filePath(QStringLiteral("none.db"))); }), CannotOpen);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("none.db-hold")))) << "no hold beside no books";
}

TEST_F(Books, DateFunctionsOfTheQueries)
{
    conn.execute(QStringLiteral("insert into journal(joudate,amount) values(datevalue(?),250)"), {QStringLiteral("31/03/2027")});
    EXPECT_EQ(conn.scalar(QStringLiteral("select joudate from journal")).toString(), QStringLiteral("2027-03-31"));
    EXPECT_EQ(conn.scalar(QStringLiteral("select month(joudate) from journal")).toInt(), 3);
    EXPECT_EQ(conn.scalar(QStringLiteral("select year(joudate) from journal")).toInt(), 2027);
    EXPECT_EQ(conn.scalar(QStringLiteral("select count(*) from journal where joudate between datevalue('01/04/2026') and datevalue('31/03/2027')")).toInt(), 1);
    EXPECT_EQ(conn.scalar(QStringLiteral("select iif(amount>100,'big','small') from journal")).toString(), QStringLiteral("big"));
    EXPECT_EQ(conn.scalar(QStringLiteral("select date()")).toString(), QDate::currentDate().toString(Qt::ISODate));
    EXPECT_TRUE(conn.scalar(QStringLiteral("select datevalue('31/13/2024')")).isNull());
}

// A look at a file before anything trusts it leaves nothing behind, and
// still sees what a program working in the file has committed.
TEST_F(Books, ALookLeavesTheFileAndItsFolderAsTheyWere)
{
    const auto folder = [&] { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); };
    conn.Close();
    ASSERT_TRUE(writesAheadLog(file));
    const QStringList alone = folder();
    ASSERT_EQ(alone, QStringList{QStringLiteral("account2627.db")});
    const QDateTime modified = QFileInfo(file).lastModified();
    QFile before(file);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();

    Connection look;
    look.OpenUntouched(file);
    EXPECT_EQ(look.scalar(QStringLiteral("select count(*) from account")).toInt(), 3);
    EXPECT_EQ(errorNumberOf([&] { look.execute(QStringLiteral("delete from account")); }), StatementFailed);
    look.Close();
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(before.readAll(), bytes);
    EXPECT_EQ(QFileInfo(file).lastModified(), modified);
    EXPECT_EQ(folder(), alone) << "no log or index file made beside it";

    // A program at work: what it committed is still in its log.
    Connection clerk;
    clerk.Open(file);
    clerk.execute(QStringLiteral("insert into account(AccCode, AccountName) values('FEE', 'FEES')"));
    look.OpenUntouched(file);
    EXPECT_EQ(look.scalar(QStringLiteral("select count(*) from account")).toInt(), 4);

    // Books without a log are looked at as they are.
    const QString plain = dir.filePath(QStringLiteral("plain.db"));
    {
        Connection other;
        other.Open(plain, false);
        other.executeScript(QStringLiteral("pragma journal_mode=delete; create table notes(line text);"));
    }
    EXPECT_FALSE(writesAheadLog(plain));
    look.OpenUntouched(plain);
    EXPECT_EQ(look.scalar(QStringLiteral("select count(*) from notes")).toInt(), 0);
    EXPECT_FALSE(writesAheadLog(dir.filePath(QStringLiteral("none.db"))));
}
