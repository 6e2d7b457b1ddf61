#include "database/Connection.h"
#include "errors/PellamError.h"
#include "support/ErrorNumberOf.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace pellam;
using namespace pellam::db;

using pellam::test::errorNumberOf;

namespace {

// Statements the connection holds, its cache included.
int statementsOpen(Connection& conn)
{
    int count = 0;
    for (sqlite3_stmt* s = sqlite3_next_stmt(conn.handle(), nullptr); s; s = sqlite3_next_stmt(conn.handle(), s))
        ++count;
    return count;
}

const QString kHeads = QStringLiteral("select accno, AccountName as name, remarks from account order by accno");

struct CursorBooks : ::testing::Test {
    QTemporaryDir dir;
    Connection conn;

    void SetUp() override
    {
        conn.Open(dir.filePath(QStringLiteral("books.db")), false);
        conn.executeScript(QStringLiteral("create table account(accno integer primary key, AccountName text, remarks text);"
                                          "insert into account values(1, 'CASH A/C', null);"
                                          "insert into account values(2, 'ST. MARY''S DONATIONS', 'yearly');"
                                          "insert into account values(3, 'FEES', null);"));
    }
};

} // namespace

TEST_F(CursorBooks, ReadsRowByRowAsARecordSetReadsThem)
{
    Cursor rows = conn.cursor(kHeads);
    ASSERT_FALSE(rows.eof());
    EXPECT_EQ(rows.FieldCount(), 3);
    EXPECT_EQ(rows.FieldName(1), QStringLiteral("name"));
    EXPECT_EQ(rows.fieldIndex(QStringLiteral("NAME")), 1);
    EXPECT_EQ(rows.fieldIndex(QStringLiteral("nosuch")), -1);
    EXPECT_EQ(rows.toInt(0), 1);
    EXPECT_EQ(rows.toString(QStringLiteral("Name")), QStringLiteral("CASH A/C"));
    EXPECT_TRUE(rows.isNull(2));
    EXPECT_TRUE(rows.value(QStringLiteral("REMARKS")).isNull());
    EXPECT_TRUE(rows.toString(2).isNull());
    rows.MoveNext();
    EXPECT_EQ(rows.value(0), QVariant(qint64(2)));
    EXPECT_EQ(rows[QStringLiteral("name")].toString(), QStringLiteral("ST. MARY'S DONATIONS"));
    EXPECT_FALSE(rows.isNull(QStringLiteral("remarks")));
    rows.MoveNext();
    rows.MoveNext();
    EXPECT_TRUE(rows.eof());

    EXPECT_TRUE(conn.cursor(kHeads + QStringLiteral(" limit 0")).eof());
    Cursor days = conn.cursor(QStringLiteral("select '2027-03-31', null, '2026-05-01 10:00'"));
    EXPECT_EQ(days.toDate(0), QDate(2027, 3, 31));
    EXPECT_FALSE(days.toDate(1).isValid());
    EXPECT_EQ(days.toDate(2), QDate(2026, 5, 1));
}

TEST_F(CursorBooks, FailsWithTheNumbersOfARecordSet)
{
    Cursor rows = conn.cursor(kHeads);
    for (const auto& [read, number] : std::initializer_list<std::pair<std::function<void()>, int>>{
             {[&] { rows.value(3); }, ItemNotFound},
             {[&] { rows.toInt(-1); }, ItemNotFound},
             {[&] { rows.value(QStringLiteral("accname")); }, ItemNotFound},
             {[&] { rows.isNull(QStringLiteral("accname")); }, ItemNotFound}})
        EXPECT_EQ(errorNumberOf(read), number);

    while (!rows.eof())
        rows.MoveNext();
    EXPECT_EQ(errorNumberOf([&] { rows.MoveNext(); }), NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rows.toString(1); }), NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rows.value(QStringLiteral("name")); }), NoCurrentRecord);

    EXPECT_EQ(errorNumberOf([&] { conn.cursor(QStringLiteral("select * from nosuchtable")); }), StatementFailed);
    EXPECT_EQ(errorNumberOf([&] { conn.cursor(kHeads, {1}); }), StatementFailed);
    // A row that fails to compute, after one that was read.
    Cursor failing = conn.cursor(QStringLiteral("select abs(x) from (select 1 as x union all select -9223372036854775807 - 1)"));
    EXPECT_EQ(failing.toInt(0), 1);
    try {
        failing.MoveNext();
        FAIL() << "the second row cannot be read";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), StatementFailed);
        EXPECT_EQ(e.Description(), QStringLiteral("integer overflow"));
    }
    EXPECT_TRUE(failing.eof());
}

TEST_F(CursorBooks, WalksOnWhileTheConnectionRunsTheSameQuery)
{
    QStringList walked;
    for (Cursor rows = conn.cursor(kHeads); !rows.eof() && walked.size() < 5; rows.MoveNext()) {
        walked << rows.toString(1);
        // The connection's own statement of this text starts over each time.
        EXPECT_EQ(conn.query(kHeads).RecordCount(), 3);
        conn.execute(QStringLiteral("update account set remarks = 'seen' where accno = ?"), {rows.toInt(0)});
    }
    EXPECT_EQ(walked, (QStringList{"CASH A/C", "ST. MARY'S DONATIONS", "FEES"}));
    EXPECT_EQ(conn.scalar(QStringLiteral("select count(*) from account where remarks = 'seen'")).toInt(), 3);
}

TEST_F(CursorBooks, LeavesNoStatementBehind)
{
    conn.query(kHeads);
    const int before = statementsOpen(conn);
    {
        Cursor rows = conn.cursor(kHeads);
        EXPECT_EQ(statementsOpen(conn), before + 1);
        Cursor moved = std::move(rows);
        EXPECT_EQ(statementsOpen(conn), before + 1);
        EXPECT_EQ(moved.toInt(0), 1);
    } // left half way
    EXPECT_EQ(statementsOpen(conn), before);
    Cursor walked = conn.cursor(kHeads);
    while (!walked.eof())
        walked.MoveNext();
    // Finished with its last row, not only when it goes.
    EXPECT_EQ(statementsOpen(conn), before);
}
