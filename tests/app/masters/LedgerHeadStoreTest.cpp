#include "app/data/TestBooks.h"
#include "masters/LedgerHeadStore.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::masters;

namespace {

struct LedgerHeads : ::testing::Test {
    test::TestBooks books;
    LedgerHeadStore store{books.conn};

    void SetUp() override
    {
        books.addInstitution(2, QStringLiteral("BRANCH"));
        books.addInstitution(3, QStringLiteral("ANNEXE"));
    }
    // "shopid:amount:type" of every opening row of a head, by institution.
    QStringList openingRows(int accno)
    {
        QStringList out;
        db::RecordSet rs = books.conn.query(
            QStringLiteral("select shopid, opamt, optype from accountopening where accno=? order by shopid"), {accno});
        for (; !rs.eof(); rs.MoveNext())
            out << QStringLiteral("%1:%2:%3").arg(rs.toString("shopid"), rs.toString("opamt"), rs.toString("optype"));
        return out;
    }
    QStringList headRow(int accno)
    {
        const db::RecordSet rs = books.conn.query(QStringLiteral("select AccCode, AccountName, Remarks from account where accno=?"), {accno});
        return rs.eof() ? QStringList() : QStringList{rs.toString("AccCode"), rs.toString("AccountName"), rs.toString("Remarks")};
    }
};

} // namespace

TEST_F(LedgerHeads, ANewHeadSavedAsOfferedGetsAZeroDebitOpeningInEveryInstitution)
{
    const std::vector<Opening> offered = store.newHeadOpenings();
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_EQ(offered[0].shopName, QStringLiteral("ANNEXE")) << "by institution name";
    LedgerHead head{0, QStringLiteral("RENT"), QStringLiteral("RENT RECEIVED"), QString()};
    store.save(head, offered);
    EXPECT_GT(head.accno, 1);
    EXPECT_EQ(headRow(head.accno), (QStringList{"RENT", "RENT RECEIVED", ""}));
    EXPECT_EQ(openingRows(head.accno), (QStringList{"1:0:D", "2:0:D", "3:0:D"}));
}

TEST_F(LedgerHeads, SavingRewritesEveryOpeningOfTheHead)
{
    const int rent = books.addHead(QStringLiteral("RENT"), QStringLiteral("RENT"));
    books.addOpening(rent, 1, 500, QStringLiteral("C"));
    books.addOpening(rent, 2, 700, QStringLiteral("C"));
    books.addOpening(rent, 2, 0, QStringLiteral("C")); // a duplicate pair goes too
    books.addOpening(1, 2, 900, QStringLiteral("D"));  // another head's stays
    std::vector<Opening> openings = store.openingsOf(rent);
    ASSERT_EQ(openings.size(), 4u);
    openings.erase(openings.begin() + 2); // one row per institution remains
    for (Opening& o : openings)
        o.amount = *Currency::parse(u"1234.5"), o.type = QStringLiteral("D");
    LedgerHead head{rent, QStringLiteral("RNT"), QStringLiteral("RENT PAID"), QStringLiteral("MONTHLY")};
    store.save(head, openings);
    EXPECT_EQ(head.accno, rent);
    EXPECT_EQ(headRow(rent), (QStringList{"RNT", "RENT PAID", "MONTHLY"}));
    EXPECT_EQ(openingRows(rent), (QStringList{"1:123450:D", "2:123450:D", "3:123450:D"}));
    EXPECT_EQ(openingRows(1), (QStringList{"1:0:D", "2:900:D"}));
    // A head deleted meanwhile gets no orphan openings.
    LedgerHead gone{999, QStringLiteral("GONE"), QStringLiteral("GONE"), QString()};
    EXPECT_EQ(test::errorNumberOf([&] { store.save(gone, openings); }), db::NoCurrentRecord);
    EXPECT_TRUE(openingRows(999).isEmpty());
}

TEST_F(LedgerHeads, OpeningsShowEveryInstitutionEvenWithoutARowForTheHead)
{
    const int rent = books.addHead(QStringLiteral("RENT"), QStringLiteral("RENT"));
    books.addOpening(rent, 2, 150050, QStringLiteral("D"));
    // Institution 1 has openings for other heads, 3 has none at all.
    const std::vector<Opening> openings = store.openingsOf(rent);
    ASSERT_EQ(openings.size(), 3u);
    const struct {
        const char* name;
        int shopId;
        qint64 paise;
        const char* type;
    } expected[] = {{"ANNEXE", 3, 0, "C"}, {"BRANCH", 2, 150050, "D"}, {"MAIN INSTITUTION", 1, 0, "C"}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(openings[i].shopName, QString::fromUtf8(expected[i].name));
        EXPECT_EQ(openings[i].shopId, expected[i].shopId);
        EXPECT_EQ(openings[i].amount.paise(), expected[i].paise);
        EXPECT_EQ(openings[i].type, QString::fromLatin1(expected[i].type));
    }
}

TEST_F(LedgerHeads, TheCashAccountKeepsItsNameAndCodeButTakesItsOpenings)
{
    ASSERT_EQ(store.cashAccountNo(), 1);
    std::vector<Opening> openings = store.openingsOf(1);
    openings[2].amount = Currency::fromRupees(5000);
    LedgerHead cash{1, QStringLiteral("CSH"), QStringLiteral("PETTY CASH"), QStringLiteral("RENAMED")};
    store.save(cash, openings);
    EXPECT_EQ(headRow(1), (QStringList{"CASH", "CASH A/C", ""}));
    EXPECT_EQ(openingRows(1), (QStringList{"1:500000:D", "2:0:C", "3:0:C"}));
}

TEST_F(LedgerHeads, TwoHeadsNeverShareACode)
{
    const int rent = books.addHead(QStringLiteral("RENT"), QStringLiteral("RENT"));
    books.addOpening(rent, 1, 800, QStringLiteral("D"));
    EXPECT_TRUE(store.codeTaken(QStringLiteral("rent")));
    EXPECT_TRUE(store.codeTaken(QStringLiteral(" RENT ")));
    EXPECT_FALSE(store.codeTaken(QStringLiteral("RENT"), rent)) << "its own code";
    EXPECT_FALSE(store.codeTaken(QStringLiteral("RENTS")));

    // However the check was passed, the books refuse the second code, and
    // a refused save changes nothing.
    LedgerHead copy{0, QStringLiteral("RENT"), QStringLiteral("COPY"), QString()};
    EXPECT_EQ(test::errorNumberOf([&] { store.save(copy, store.newHeadOpenings()); }), db::DuplicateKey);
    EXPECT_EQ(copy.accno, 0);
    const int fees = books.addHead(QStringLiteral("FEES"), QStringLiteral("FEES"));
    LedgerHead renamed{fees, QStringLiteral("Rent"), QStringLiteral("FEES"), QString()};
    EXPECT_EQ(test::errorNumberOf([&] { store.save(renamed, store.openingsOf(fees)); }), db::DuplicateKey);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from account where AccCode='RENT'")), 1);
    EXPECT_EQ(openingRows(rent), QStringList{"1:800:D"});
    EXPECT_EQ(headRow(fees), (QStringList{"FEES", "FEES", ""}));
    EXPECT_FALSE(books.conn.inTransaction());
}

TEST_F(LedgerHeads, ASaveThatFailsHalfWayLeavesTheHeadAsItWas)
{
    const int rent = books.addHead(QStringLiteral("RENT"), QStringLiteral("RENT"));
    books.addOpening(rent, 1, 800, QStringLiteral("D"));
    books.conn.execute(QStringLiteral("create trigger refuse before insert on accountopening when new.shopid = 3 "
                                      "begin select raise(abort, 'disk full'); end"));
    LedgerHead head{rent, QStringLiteral("RNT"), QStringLiteral("RENT PAID"), QString()};
    EXPECT_NE(test::errorNumberOf([&] { store.save(head, store.openingsOf(rent)); }), 0);
    EXPECT_EQ(headRow(rent), (QStringList{"RENT", "RENT", ""}));
    EXPECT_EQ(openingRows(rent), QStringList{"1:800:D"});
    LedgerHead added{0, QStringLiteral("NEW"), QStringLiteral("NEW"), QString()};
    EXPECT_NE(test::errorNumberOf([&] { store.save(added, store.newHeadOpenings()); }), 0);
    EXPECT_EQ(added.accno, 0);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from account where AccCode='NEW'")), 0);
    EXPECT_FALSE(books.conn.inTransaction());
}

TEST_F(LedgerHeads, DeleteGuardsAndDelete)
{
    const int used = books.addHead(QStringLiteral("USED"), QStringLiteral("USED"));
    const int paid = books.addHead(QStringLiteral("PAID"), QStringLiteral("PAID"));
    const int free = books.addHead(QStringLiteral("FREE"), QStringLiteral("FREE"));
    books.addVoucher(2, 1, used); // a receipt credits the head
    books.addVoucher(3, paid, 1); // a payment debits it
    EXPECT_EQ(store.deleteGuard(1), HeadDeleteGuard::CashAccount);
    EXPECT_EQ(store.deleteGuard(used), HeadDeleteGuard::TransactionExists);
    EXPECT_EQ(store.deleteGuard(paid), HeadDeleteGuard::TransactionExists);
    EXPECT_EQ(store.deleteGuard(free), HeadDeleteGuard::None);

    books.addOpening(free, 1, 0, QStringLiteral("C"));
    books.addOpening(free, 2, 0, QStringLiteral("C"));
    books.conn.execute(QStringLiteral("insert into shopacc(accno, Shopid) values(?, 2), (?, 2)"), {free, used});
    store.remove(free);
    EXPECT_TRUE(headRow(free).isEmpty());
    EXPECT_TRUE(openingRows(free).isEmpty());
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from shopacc")), 1);
}

TEST_F(LedgerHeads, TextsAreStoredExactly)
{
    const QString name = QStringLiteral("ST. MARY'S \"FEAST\" ÉGLISE ദേവാ"); // 30 characters
    ASSERT_EQ(name.size(), 30);
    LedgerHead head{0, QStringLiteral("A1B2C3D4E5"), name, QStringLiteral("O'BRIEN'S; --")};
    store.save(head, store.newHeadOpenings());
    EXPECT_EQ(headRow(head.accno), (QStringList{"A1B2C3D4E5", name, "O'BRIEN'S; --"}));
    const auto listed = store.listedHeads();
    EXPECT_NE(std::find(listed.begin(), listed.end(), ListedHead{QStringLiteral("A1B2C3D4E5"), name, false}),
              listed.end());
}
