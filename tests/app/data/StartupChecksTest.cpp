#include "app/DamagedVouchers.h"
#include "app/data/TestBooks.h"
#include "data/StartupChecks.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::data;
using namespace pellam::test;

namespace {

struct Checks : ::testing::Test, TestBooks {
    int donations = 0, salary = 0;
    void SetUp() override
    {
        donations = addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS"));
        salary = addHead(QStringLiteral("SAL"), QStringLiteral("SALARY"));
        addInstitution(2, QStringLiteral("DISPENSARY"));
    }
    qint64 openingRows(int accno, int shopid)
    {
        return count(QStringLiteral("select count(*) from accountopening where accno=? and shopid=?"), {accno, shopid});
    }
};

void writeFile(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

TEST_F(Checks, CashAccountIsFoundAndRenamedOnlyWhenCalledOtherwise)
{
    auto cash = verifyCashAccount(conn);
    ASSERT_TRUE(cash);
    EXPECT_EQ(cash->accno, 1);
    EXPECT_EQ(cash->code, QStringLiteral("CASH"));
    EXPECT_EQ(cash->name, QStringLiteral("CASH A/C"));
    EXPECT_FALSE(cash->renamed);

    conn.execute(QStringLiteral("update account set AccountName='Cash' where accno=1"));
    cash = verifyCashAccount(conn);
    ASSERT_TRUE(cash);
    EXPECT_TRUE(cash->renamed);
    EXPECT_EQ(cash->name, QStringLiteral("CASH A/C"));
    EXPECT_EQ(conn.scalar(QStringLiteral("select AccountName from account where accno=1")), QVariant(QStringLiteral("CASH A/C")));

    conn.execute(QStringLiteral("delete from PostSettings"));
    EXPECT_FALSE(verifyCashAccount(conn));
}

TEST_F(Checks, VersionFollowsTheUpgradeDate)
{
    struct Case {
        const char* stored;
        SchemaVersion expected;
    };
    const Case cases[] = {{"2006-08-25", SchemaVersion::Current}, {"2026-04-01", SchemaVersion::Current},
                          {"2006-08-24", SchemaVersion::Old}, {nullptr, SchemaVersion::Old}};
    for (const Case& c : cases) {
        conn.execute(QStringLiteral("update AccUptodate set dtupdate = ?"),
                     {c.stored ? QVariant(QString::fromLatin1(c.stored)) : QVariant()});
        EXPECT_EQ(schemaVersion(conn), c.expected) << (c.stored ? c.stored : "null");
    }
    conn.execute(QStringLiteral("delete from AccUptodate"));
    EXPECT_EQ(schemaVersion(conn), SchemaVersion::Missing);
    conn.execute(QStringLiteral("drop table AccUptodate"));
    EXPECT_EQ(schemaVersion(conn), SchemaVersion::Missing);
}

TEST_F(Checks, UpgradeCreatesWhatIsMissingAndRecordsToday)
{
    addVoucher(1, salary, 1);
    conn.executeScript(QStringLiteral("drop table AccUptodate; drop table shopacc; drop view journalview; "
                                      "drop index journal_debit; delete from PostSettings;"));
    upgradeDatabase(conn);
    EXPECT_EQ(schemaVersion(conn), SchemaVersion::Current);
    EXPECT_EQ(conn.scalar(QStringLiteral("select dtupdate from AccUptodate")), QVariant(QDate::currentDate().toString(Qt::ISODate)));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journalview")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from sqlite_master where name='journal_debit'")), 1);
    ASSERT_TRUE(verifyCashAccount(conn)) << "the head coded CASH is named the cash account again";
    conn.execute(QStringLiteral("insert into shopacc(accno, Shopid) values(?, 1)"), {salary});
    EXPECT_EQ(errorNumberOf([&] { conn.execute(QStringLiteral("insert into shopacc(accno, Shopid) values(?, 1)"), {salary}); }),
              db::DuplicateKey);

    // An old version row is replaced, not added to; a second run changes nothing.
    conn.execute(QStringLiteral("update AccUptodate set dtupdate='2005-01-01'"));
    upgradeDatabase(conn);
    upgradeDatabase(conn);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccUptodate")), 1);
    EXPECT_EQ(schemaVersion(conn), SchemaVersion::Current);
    EXPECT_EQ(count(QStringLiteral("select count(*) from shopacc")), 1);
}

TEST_F(Checks, UpgradeGivesAKeylessHeadsInUseTableItsKey)
{
    conn.executeScript(QStringLiteral("drop table shopacc; create table shopacc(accno integer, Shopid integer);"
                                      "insert into shopacc values(2, 1); insert into shopacc values(2, 1);"
                                      "insert into shopacc values(3, 1);"));
    upgradeDatabase(conn);
    EXPECT_EQ(count(QStringLiteral("select count(*) from shopacc")), 2);
    EXPECT_EQ(errorNumberOf([&] { conn.execute(QStringLiteral("insert into shopacc values(3, 1)")); }), db::DuplicateKey);
}

TEST_F(Checks, InstitutionsAndUnknownHeadsAreReported)
{
    unguardJournal(conn); // books made elsewhere may name unknown heads
    EXPECT_TRUE(hasInstitutions(conn));
    EXPECT_FALSE(hasVouchersWithUnknownHeads(conn));
    addVoucher(1, salary, 1);
    addVoucher(2, 1, donations);
    EXPECT_FALSE(hasVouchersWithUnknownHeads(conn));
    addVoucher(2, 1, 77);
    EXPECT_TRUE(hasVouchersWithUnknownHeads(conn));
    conn.execute(QStringLiteral("delete from journal where creditaccid=77"));
    addVoucher(1, 78, 1);
    EXPECT_TRUE(hasVouchersWithUnknownHeads(conn));

    conn.execute(QStringLiteral("delete from organization"));
    EXPECT_FALSE(hasInstitutions(conn));
}

TEST_F(Checks, HeadsUsedInVouchersAreListedForTheirInstitution)
{
    unguardJournal(conn); // books made elsewhere may name unknown institutions
    const int electricity = addHead(QStringLiteral("ELE"), QStringLiteral("ELECTRICITY CHARGES"));
    addVoucher(1, salary, 1);          // payment: debits the head
    addVoucher(1, salary, 1);
    addVoucher(2, 1, donations);       // receipt: credits the head
    addVoucher(2, electricity, 1);
    addVoucher(9, electricity, 1);     // institution 9 does not exist
    conn.execute(QStringLiteral("insert into shopacc(Shopid, accno) values(2, ?)"), {electricity});

    const QList<HeadInUse> added = repairHeadsInUse(conn, 1);
    EXPECT_EQ(added, QList<HeadInUse>({{1, salary}, {2, donations}}));
    EXPECT_EQ(count(QStringLiteral("select count(*) from shopacc where accno=1")), 0) << "never the cash account";
    EXPECT_EQ(count(QStringLiteral("select count(*) from shopacc")), 3);
    EXPECT_TRUE(repairHeadsInUse(conn, 1).isEmpty());
}

TEST_F(Checks, EveryHeadGetsExactlyOneOpeningPerInstitution)
{
    addOpening(salary, 1, 500000, QStringLiteral("D"));
    addOpening(donations, 1, 100, QStringLiteral("C"));
    addOpening(donations, 1, 200, QStringLiteral("C"));
    addOpening(1, 2, 900000, QStringLiteral("D"));
    addOpening(1, 2, 900000, QStringLiteral("D"));

    const OpeningRepair repair = repairOpenings(conn, 1);
    EXPECT_EQ(repair.replaced, QList<HeadInUse>({{1, donations}, {2, 1}}));
    EXPECT_EQ(repair.added, QList<HeadInUse>({{2, donations}, {2, salary}}));
    EXPECT_TRUE(repair.cashOpeningReset);
    for (int head : {1, donations, salary})
        for (int shop : {1, 2})
            EXPECT_EQ(openingRows(head, shop), 1) << head << "/" << shop;
    EXPECT_EQ(conn.scalar(QStringLiteral("select opamt || optype from accountopening where accno=? and shopid=1"), {donations}),
              QVariant(QStringLiteral("0C")));
    EXPECT_EQ(conn.scalar(QStringLiteral("select opamt || optype from accountopening where accno=? and shopid=1"), {salary}),
              QVariant(QStringLiteral("500000D")))
        << "a single row keeps its amount";

    const OpeningRepair again = repairOpenings(conn, 1);
    EXPECT_TRUE(again.added.isEmpty() && again.replaced.isEmpty() && !again.cashOpeningReset);
}

TEST(BadBooks, EmptyTruncatedOrForeignFilesGiveAClearError)
{
    TestBooks books;
    books.addVoucher(1, 1, 1);
    books.conn.Close();
    QFile source(books.file);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray whole = source.readAll();

    const QByteArray contents[] = {QByteArray(), whole.left(whole.size() / 2), whole.left(100),
                                   QByteArray("Not a database at all, just some text\n").repeated(200)};
    for (const QByteArray& bytes : contents) {
        const QString file = books.dir.filePath(QStringLiteral("bad.db"));
        writeFile(file, bytes);
        const int number = errorNumberOf([&] {
            db::Connection conn;
            conn.Open(file);
            verifyCashAccount(conn);
            schemaVersion(conn);
            hasVouchersWithUnknownHeads(conn);
        });
        EXPECT_EQ(number, db::CannotOpen) << bytes.size() << " bytes";
        QFile::remove(file);
    }
}

TEST(BadBooks, BooksHeldByAnotherProgramGiveTheLockedNumber)
{
    TestBooks books;
    db::Connection other;
    other.Open(books.file);
    other.BeginTrans();
    other.execute(QStringLiteral("update account set AccountName='Cash'"));

    db::Connection mine;
    mine.Open(books.file, true, 50);
    EXPECT_EQ(errorNumberOf([&] { repairOpenings(mine, 1); }), db::DatabaseLocked);
    EXPECT_EQ(errorNumberOf([&] { upgradeDatabase(mine); }), db::DatabaseLocked);
    other.RollbackTrans();
}
