#include "app/data/TestBooks.h"
#include "data/CashAccount.h"
#include "data/VoucherStore.h"

#include <gtest/gtest.h>

using namespace pellam;
using data::Voucher;
using data::VoucherStore;

namespace {

constexpr int kCash = 1;

struct Books : ::testing::Test {
    test::TestBooks books;
    VoucherStore store{books.conn};
    int milk = books.addHead(QStringLiteral("MLK"), QStringLiteral("MILK"));

    Voucher payment(int head, const char* amount = "100")
    {
        Voucher v;
        v.shopId = 1;
        v.debit = head;
        v.credit = kCash;
        v.date = QDate(2026, 5, 1);
        v.amount = *Currency::parse(QString::fromLatin1(amount));
        v.narration = QStringLiteral("MILK FOR THE HOSTEL");
        v.billNo = QStringLiteral("B1");
        v.userId = QStringLiteral("MERION");
        return v;
    }
    qint64 pairs(int head) { return books.count(QStringLiteral("select count(*) from shopacc where accno=?"), {head}); }
};

} // namespace

TEST_F(Books, TheNumberForecastIsTheNumberTheNextSaveGets)
{
    EXPECT_EQ(store.nextJournalNo(), 1);
    EXPECT_EQ(store.save(payment(milk), std::nullopt, milk), 1);
    EXPECT_EQ(store.save(payment(milk), std::nullopt, milk), 2);
    EXPECT_EQ(store.nextJournalNo(), 3);
    // The deleted last number is not given again.
    store.remove(2);
    EXPECT_EQ(store.nextJournalNo(), 3);
    EXPECT_EQ(store.save(payment(milk), std::nullopt, milk), 3);
    store.remove(3);
    store.remove(1);
    EXPECT_EQ(store.nextJournalNo(), 4) << "an emptied journal goes on counting";
    EXPECT_EQ(store.save(payment(milk), std::nullopt, milk), 4);
}

TEST_F(Books, SavedVoucherReadsBackExactlyWithBothHeadsAndTheTextsAsTyped)
{
    Voucher v = payment(milk, "999999999.99");
    v.narration = QStringLiteral("ST. MARY'S FEAST; DROP TABLE journal; --");
    v.billNo = QStringLiteral("O'NE");
    const qint64 number = store.save(v, std::nullopt, milk);
    EXPECT_EQ(books.count(QStringLiteral("select amount from journal where jousrlno=?"), {number}), 99999999999);
    const auto back = store.load(number);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->amount, *Currency::parse(u"999999999.99"));
    EXPECT_EQ(back->narration, v.narration);
    EXPECT_EQ(back->billNo, QStringLiteral("O'NE"));
    EXPECT_EQ(back->date, QDate(2026, 5, 1));
    EXPECT_EQ(back->shopId, 1);
    EXPECT_EQ(back->dbAccNo, milk);
    EXPECT_EQ(back->dbAccName, QStringLiteral("MILK"));
    EXPECT_EQ(back->dbAccCode, QStringLiteral("MLK"));
    EXPECT_EQ(back->crAccNo, kCash);
    EXPECT_EQ(back->crAccName, QStringLiteral("CASH A/C"));
    EXPECT_FALSE(store.load(number + 1));
}

TEST_F(Books, HeadIsListedForTheInstitutionOnceAndAnEditRewritesTheVoucher)
{
    EXPECT_EQ(pairs(milk), 0);
    const qint64 number = store.save(payment(milk), std::nullopt, milk);
    store.save(payment(milk), std::nullopt, milk);
    EXPECT_EQ(pairs(milk), 1);

    const int fees = books.addHead(QStringLiteral("FEE"), QStringLiteral("FEES"));
    Voucher receipt = payment(fees, "0.001");
    receipt.debit = kCash;
    receipt.credit = fees;
    receipt.shopId = 0;
    EXPECT_EQ(store.save(receipt, number, fees), number);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from journal where jousrlno=? and shopid=0 and debitaccid=? "
                                         "and creditaccid=? and amount=0"),
                          {number, kCash, fees}),
              1);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from shopacc where accno=? and shopid=0"), {fees}), 1);
}

TEST_F(Books, AFailureAnywhereInTheSaveLeavesNothingBehind)
{
    // An edit of a voucher another program has deleted changes nothing.
    EXPECT_EQ(test::errorNumberOf([&] { store.save(payment(milk), 99, milk); }), 3021);
    EXPECT_EQ(pairs(milk), 0);

    // The voucher row is written, then listing the head fails: both go.
    books.conn.execute(QStringLiteral("create trigger refuse before insert on shopacc begin "
                                      "select raise(abort, 'attempt to write a readonly database'); end"));
    EXPECT_NE(test::errorNumberOf([&] { store.save(payment(milk), std::nullopt, milk); }), 0);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from journal")), 0);
    EXPECT_FALSE(books.conn.inTransaction());
}

TEST_F(Books, DayListShowsTypeOtherHeadAndRupeesOfThatDayOnly)
{
    store.save(payment(milk, "1234.5"), std::nullopt, milk);
    Voucher receipt = payment(milk, "0.07");
    receipt.debit = kCash;
    receipt.credit = milk;
    receipt.narration = QStringLiteral("REFUND");
    store.save(receipt, std::nullopt, milk);
    Voucher other = payment(milk);
    other.date = QDate(2026, 5, 2);
    store.save(other, std::nullopt, milk);

    db::RecordSet day = store.dayList(QDate(2026, 5, 1), kCash);
    ASSERT_EQ(day.RecordCount(), 2);
    const auto row = [&](int r) {
        QStringList cells;
        for (int c = 0; c < day.FieldCount(); ++c)
            cells << day.cell(r, c).toString();
        return cells;
    };
    EXPECT_EQ(row(0), (QStringList{"1", "P", "MILK", "1234.50", "MILK FOR THE HOSTEL"}));
    EXPECT_EQ(row(1), (QStringList{"2", "R", "MILK", "0.07", "REFUND"}));
}

TEST_F(Books, LookupOffersEveryHeadButCashByName)
{
    books.addHead(QStringLiteral("BNK"), QStringLiteral("BANK CHARGES"));
    db::RecordSet heads = store.ledgerHeads(kCash);
    ASSERT_EQ(heads.RecordCount(), 2);
    EXPECT_EQ(heads.cell(0, 2).toString(), QStringLiteral("BANK CHARGES"));
    EXPECT_EQ(heads.cell(1, 1).toString(), QStringLiteral("MLK"));
    EXPECT_EQ(data::cashAccount(books.conn)->name, QStringLiteral("CASH A/C"));
    EXPECT_FALSE(store.printAfterSave());
}
