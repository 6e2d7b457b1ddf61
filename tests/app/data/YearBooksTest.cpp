#include "app/DamagedVouchers.h"
#include "app/data/TestBooks.h"
#include "data/CashAccount.h"
#include "data/YearBooks.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::test;

namespace {

QByteArray bytesOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QList<QVariant>> rowsOf(db::Connection& conn, const QString& sql)
{
    db::RecordSet rs = conn.query(sql);
    QList<QList<QVariant>> rows;
    for (; !rs.eof(); rs.MoveNext()) {
        QList<QVariant> row;
        for (int i = 0; i < rs.FieldCount(); ++i)
            row << rs.value(i);
        rows << row;
    }
    return rows;
}

} // namespace

TEST(YearBooks, NewBooksHoldCashAccountInstitutionUserAndVersion)
{
    TestBooks books;
    db::Connection& conn = books.conn;
    using R = QList<QVariant>;
    EXPECT_EQ(rowsOf(conn, QStringLiteral("select accno, AccCode, AccountName from account")),
              QList<R>({R{1, QStringLiteral("CASH"), QStringLiteral("CASH A/C")}}));
    EXPECT_EQ(rowsOf(conn, QStringLiteral("select accno, acccode, accountname, shopid from CurCashAccount")),
              QList<R>({R{1, QStringLiteral("CASH"), QStringLiteral("CASH A/C"), 1}}));
    EXPECT_EQ(rowsOf(conn, QStringLiteral("select ShopId from organization")), QList<R>({R{1}}));
    EXPECT_EQ(rowsOf(conn, QStringLiteral("select accno, shopid, opamt from accountopening")),
              QList<R>({R{1, 1, 0}}));
    EXPECT_EQ(rowsOf(conn, QStringLiteral("select userid, userpwd is null from loginuser")),
              QList<R>({R{QStringLiteral("MERION"), 1}}));
    EXPECT_EQ(rowsOf(conn, QStringLiteral("select dtupdate from AccUptodate")),
              QList<R>({R{QDate::currentDate().toString(Qt::ISODate)}}));
    EXPECT_EQ(rowsOf(conn, QStringLiteral("select jouprndefa from initialize")), QList<R>({R{0}}));
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from journal")), 0);
    EXPECT_FALSE(QFileInfo::exists(books.file + QStringLiteral(".new")));
}

TEST(YearBooks, CashAccountViewNamesOneHeadForInstitutionOneAndEveryInstitution)
{
    TestBooks books;
    books.addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS"));
    const auto cashRows = [&] {
        QList<QList<QVariant>> rows = rowsOf(books.conn, QStringLiteral("select accno, shopid from CurCashAccount"));
        return rows;
    };
    using R = QList<QVariant>;

    books.conn.execute(QStringLiteral("delete from organization"));
    EXPECT_EQ(cashRows(), QList<R>({R{1, 1}})) << "a row even without institutions";

    books.addInstitution(3, QStringLiteral("DISPENSARY"));
    books.addInstitution(2, QStringLiteral("SCHOOL"));
    EXPECT_EQ(cashRows(), QList<R>({R{1, 1}, R{1, 2}, R{1, 3}})) << "institution 1 is always there, first";

    // The head is named by number, so renaming or re-coding it keeps it.
    books.conn.execute(QStringLiteral("update account set AccCode='CSH', AccountName='Cash' where accno=1"));
    EXPECT_EQ(books.conn.scalar(QStringLiteral("select accountname from CurCashAccount")), QVariant(QStringLiteral("Cash")));
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from account where accno not in (select accno from CurCashAccount)")), 1);

    // The one lookup every window, report and command uses.
    const std::optional<data::CashAccount> cash = data::cashAccount(books.conn, 3);
    ASSERT_TRUE(cash);
    EXPECT_EQ(std::tuple(cash->accno, cash->code, cash->name), std::tuple(1, QStringLiteral("CSH"), QStringLiteral("Cash")));
    EXPECT_FALSE(data::cashAccount(books.conn, 9)) << "no such institution";
    books.conn.execute(QStringLiteral("delete from PostSettings where SettingName = 'CashAccNo'"));
    EXPECT_FALSE(data::cashAccount(books.conn)) << "books that name no cash account";
}

TEST(YearBooks, LedgerCodesAreUniqueWithoutRegardToCase)
{
    TestBooks books;
    EXPECT_EQ(errorNumberOf([&] { books.addHead(QStringLiteral("cash"), QStringLiteral("PETTY CASH")); }),
              db::DuplicateKey);
    books.addHead(QStringLiteral("Don"), QStringLiteral("St. Mary's Donations"));
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from account where AccCode = 'DON'")), 1);
    EXPECT_EQ(errorNumberOf([&] {
                  books.conn.execute(QStringLiteral("insert into shopacc(accno, Shopid) values(2, 1)"));
                  books.conn.execute(QStringLiteral("insert into shopacc(accno, Shopid) values(2, 1)"));
              }),
              db::DuplicateKey);
}

TEST(YearBooks, JournalViewNamesBothHeadsAndKeepsVouchersWithUnknownHeads)
{
    TestBooks books;
    unguardJournal(books.conn); // books made elsewhere may name unknown heads
    const int salary = books.addHead(QStringLiteral("SAL"), QStringLiteral("SALARY"));
    books.addVoucher(1, salary, 1, QStringLiteral("2026-06-30"), 2500000);
    books.addVoucher(1, 1, 99);
    db::RecordSet rs = books.conn.query(QStringLiteral("select * from journalview order by jousrlno"));
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.toInt(QStringLiteral("DbAccno")), salary);
    EXPECT_EQ(rs.toString(QStringLiteral("dbaccode")), QStringLiteral("SAL"));
    EXPECT_EQ(rs.toString(QStringLiteral("DBACCNAME")), QStringLiteral("SALARY"));
    EXPECT_EQ(rs.toInt(QStringLiteral("CrAcCno")), 1);
    EXPECT_EQ(rs.toString(QStringLiteral("CrAccname")), QStringLiteral("CASH A/C"));
    EXPECT_EQ(rs.toDate(QStringLiteral("joudate")), QDate(2026, 6, 30));
    EXPECT_EQ(rs.toInt(QStringLiteral("amount")), 2500000);
    rs.MoveNext();
    EXPECT_EQ(rs.toInt(QStringLiteral("CrAcCno")), 99);
    EXPECT_TRUE(rs.isNull(QStringLiteral("CrAccname")));
}

TEST(YearBooks, OpeningsViewKeepsInstitutionsWithoutOpening)
{
    TestBooks books;
    const int don = books.addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS"));
    books.addInstitution(2, QStringLiteral("DISPENSARY"));
    books.addOpening(don, 1, 150000, QStringLiteral("C"));
    using R = QList<QVariant>;
    EXPECT_EQ(rowsOf(books.conn, QStringLiteral("select shopid, shopname, accno, opamt, optype from accopen "
                                                "where (accno is null) or accno=%1 order by shopid")
                                     .arg(don)),
              QList<R>({R{1, QStringLiteral("MAIN INSTITUTION"), don, 150000, QStringLiteral("C")},
                        R{2, QStringLiteral("DISPENSARY"), QVariant(), QVariant(), QVariant()}}));
}

TEST(YearBooks, ExistingBooksAreNeverReplaced)
{
    TestBooks books;
    books.addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS"));
    books.conn.Close();
    const QByteArray before = bytesOf(books.file);
    EXPECT_EQ(errorNumberOf([&] { data::createYearBooks(books.file); }), 58);
    EXPECT_EQ(bytesOf(books.file), before);
}

TEST(YearBooks, InterruptedCreationLeavesNoYearFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("account2627.db"));

    // A run that stopped half-way left its unfinished file; the next run starts afresh.
    {
        QFile leftover(file + QStringLiteral(".new"));
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        leftover.write("half a database");
    }
    data::createYearBooks(file);
    db::Connection conn;
    conn.Open(file);
    EXPECT_EQ(conn.scalar(QStringLiteral("select AccountName from account")), QVariant(QStringLiteral("CASH A/C")));
    conn.Close();

    // A run that cannot write its unfinished file fails and leaves nothing.
    const QString other = dir.filePath(QStringLiteral("account2728.db"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("account2728.db.new/busy")));
    EXPECT_NE(errorNumberOf([&] { data::createYearBooks(other); }), 0);
    EXPECT_FALSE(QFileInfo::exists(other));

    const QString nowhere = dir.filePath(QStringLiteral("missing/account2627.db"));
    EXPECT_NE(errorNumberOf([&] { data::createYearBooks(nowhere); }), 0);
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

TEST(YearBooks, TemplateIsAnEmptyYearDatabaseWrittenOnce)
{
    QTemporaryDir dir;
    data::ensureTemplate(dir.path());
    const QString file = dir.filePath(QStringLiteral("Account.bdk"));
    {
        db::Connection conn;
        conn.Open(file);
        for (const char* table : {"account", "organization", "PostSettings", "loginuser", "journal", "accountopening"})
            EXPECT_EQ(conn.scalar(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))), QVariant(qint64(0)))
                << table;
        EXPECT_EQ(conn.scalar(QStringLiteral("select count(*) from AccUptodate")), QVariant(qint64(1)));
        EXPECT_EQ(conn.scalar(QStringLiteral("select count(*) from CurCashAccount")), QVariant(qint64(0)));
        conn.execute(QStringLiteral("insert into PostSettings values('Marker', 'kept')"));
    }
    data::ensureTemplate(dir.path());
    db::Connection conn;
    conn.Open(file);
    EXPECT_EQ(conn.scalar(QStringLiteral("select SettingValue from PostSettings")), QVariant(QStringLiteral("kept")));
}
