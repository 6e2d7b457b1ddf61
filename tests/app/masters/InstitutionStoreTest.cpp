#include "app/data/TestBooks.h"
#include "masters/InstitutionStore.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::masters;

namespace {

struct Institutions : ::testing::Test {
    test::TestBooks books;
    InstitutionStore store{books.conn};

    Institution named(const QString& name)
    {
        Institution i;
        i.shopName = name;
        return i;
    }
    qint64 openings(int shopId)
    {
        return books.count(QStringLiteral("select count(*) from accountopening where shopid=?"), {shopId});
    }
};

} // namespace

TEST_F(Institutions, ANewInstitutionTakesTheFirstFreeNumber)
{
    const struct {
        std::vector<int> existing;
        int expected;
    } cases[] = {{{1, 2, 4}, 3}, {{1, 2, 3}, 4}, {{}, 1}, {{2, 5}, 1}};
    for (const auto& c : cases) {
        books.conn.execute(QStringLiteral("delete from organization"));
        for (int id : c.existing)
            books.addInstitution(id, QStringLiteral("SHOP %1").arg(id));
        EXPECT_EQ(store.nextFreeNumber(), c.expected) << c.existing.size();
        EXPECT_EQ(store.add(named(QStringLiteral("NEW"))), c.expected);
        EXPECT_EQ(books.conn.scalar(QStringLiteral("select shopName from organization where ShopId=?"), {c.expected}).toString(),
                  QStringLiteral("NEW"));
    }
}

TEST_F(Institutions, ANewInstitutionGetsAZeroCreditOpeningForEveryHeadAndNoLeftovers)
{
    books.addHead(QStringLiteral("RENT"), QStringLiteral("RENT"));
    books.addHead(QStringLiteral("FEES"), QStringLiteral("FEES"));
    // Left behind by an institution 2 deleted outside the program.
    books.addOpening(1, 2, 50000, QStringLiteral("D"));
    ASSERT_EQ(store.add(named(QStringLiteral("BRANCH"))), 2);
    const db::RecordSet rs = books.conn.query(
        QStringLiteral("select accno, opamt, optype from accountopening where shopid=2 order by accno"));
    ASSERT_EQ(rs.RecordCount(), 3) << "one row for each of the three heads, the cash account included";
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(rs.cell(r, 1).toLongLong(), 0);
        EXPECT_EQ(rs.cell(r, 2).toString(), QStringLiteral("C"));
    }
}

TEST_F(Institutions, EditingKeepsTheNumberAndTheOpenings)
{
    books.addInstitution(2, QStringLiteral("OLD NAME"));
    books.addOpening(1, 2, 12345, QStringLiteral("D"));
    Institution i = named(QStringLiteral("NEW NAME"));
    i.shopId = 2;
    i.place = QStringLiteral("KOTTAYAM");
    i.pinCode = QStringLiteral("686001");
    i.monName = QStringLiteral("MONTHLY");
    store.update(i);
    const db::RecordSet rs = books.conn.query(QStringLiteral("select * from organization where ShopId=2"));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.toString(QStringLiteral("shopName")), QStringLiteral("NEW NAME"));
    EXPECT_EQ(rs.toString(QStringLiteral("PinCode")), QStringLiteral("686001"));
    EXPECT_EQ(rs.toString(QStringLiteral("MonName")), QStringLiteral("MONTHLY"));
    EXPECT_EQ(books.count(QStringLiteral("select opamt from accountopening where shopid=2")), 12345);

    i.shopId = 9; // gone meanwhile
    EXPECT_EQ(test::errorNumberOf([&] { store.update(i); }), db::NoCurrentRecord);
}

TEST_F(Institutions, TextsAreStoredExactly)
{
    Institution i = named(QStringLiteral("ST. MARY'S \"HOME\" ÉCOLE ശാന്തി 1234567890"));
    i.place = QStringLiteral("O'BRIEN; DROP TABLE organization; --");
    i.recName = QString(40, QChar(0x0D05)); // forty Malayalam letters
    const int number = store.add(i);
    const db::RecordSet rs = books.conn.query(QStringLiteral("select * from organization where ShopId=?"), {number});
    EXPECT_EQ(rs.toString(QStringLiteral("shopName")), i.shopName);
    EXPECT_EQ(rs.toString(QStringLiteral("Place")), i.place);
    EXPECT_EQ(rs.toString(QStringLiteral("RecName")), i.recName);
}

TEST_F(Institutions, DeleteGuards)
{
    books.addInstitution(2, QStringLiteral("WITH OPENING"));
    books.addOpening(1, 2, 100, QStringLiteral("C"));
    books.addInstitution(3, QStringLiteral("WITH VOUCHER"));
    books.addOpening(1, 3, 0, QStringLiteral("C"));
    const int rent = books.addHead(QStringLiteral("RENT"), QStringLiteral("RENT"));
    books.addVoucher(3, 1, rent);
    books.addInstitution(4, QStringLiteral("FREE"));
    books.addOpening(1, 4, 0, QStringLiteral("C"));
    books.addInstitution(5, QStringLiteral("NO OPENINGS AT ALL"));
    const struct {
        int shopId;
        InstitutionDeleteGuard guard;
    } cases[] = {{1, InstitutionDeleteGuard::Permanent},
                 {2, InstitutionDeleteGuard::OpeningExists},
                 {3, InstitutionDeleteGuard::TransactionExists},
                 {4, InstitutionDeleteGuard::None},
                 {5, InstitutionDeleteGuard::None}};
    for (const auto& c : cases)
        EXPECT_EQ(store.deleteGuard(c.shopId), c.guard) << c.shopId;
}

TEST_F(Institutions, DeletingTakesTheOpeningsAndTheListOfHeadsAlong)
{
    books.addInstitution(2, QStringLiteral("BRANCH"));
    books.addInstitution(3, QStringLiteral("OTHER"));
    books.addOpening(1, 2, 0, QStringLiteral("C"));
    books.addOpening(1, 3, 0, QStringLiteral("C"));
    books.conn.execute(QStringLiteral("insert into shopacc(accno, Shopid) values(1, 2), (1, 3)"));
    store.remove(2);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from organization where ShopId=2")), 0);
    EXPECT_EQ(openings(2), 0);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from shopacc where Shopid=2")), 0);
    EXPECT_EQ(openings(3), 1) << "other institutions keep theirs";
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from shopacc where Shopid=3")), 1);
    // The number is free again, and a new institution under it starts clean.
    EXPECT_EQ(store.add(named(QStringLiteral("AGAIN"))), 2);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from shopacc where Shopid=2")), 0);
}

TEST_F(Institutions, AFailedAddLeavesNothingBehind)
{
    books.addHead(QStringLiteral("RENT"), QStringLiteral("RENT"));
    books.conn.execute(QStringLiteral("create trigger refuse before insert on accountopening "
                                      "begin select raise(abort, 'disk full'); end"));
    EXPECT_NE(test::errorNumberOf([&] { store.add(named(QStringLiteral("HALF"))); }), 0);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from organization")), 1);
    EXPECT_FALSE(books.conn.inTransaction());
}

TEST_F(Institutions, AFailedDeleteLeavesEverything)
{
    books.addInstitution(2, QStringLiteral("BRANCH"));
    books.addOpening(1, 2, 0, QStringLiteral("C"));
    books.conn.execute(QStringLiteral("create trigger refuse before delete on accountopening "
                                      "begin select raise(abort, 'locked'); end"));
    EXPECT_NE(test::errorNumberOf([&] { store.remove(2); }), 0);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from organization where ShopId=2")), 1);
    EXPECT_EQ(openings(2), 1);
}
