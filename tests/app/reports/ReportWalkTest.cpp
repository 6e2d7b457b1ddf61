// The cash book and the ledger read their vouchers as they write them:
// the progress they tell on the way, and a run stopped from it.
#include "LedgerFixture.h"
#include "TextLines.h"
#include "reports/LedgerBuilder.h"
#include "reports/RecPayBuilder.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::LedgerBooks;

namespace {

struct Stopped {};

// The ledger books and 2,400 more vouchers from May to February, half
// received for the building fund, half paid out of the fees.
struct BusyBooks : LedgerBooks {
    BusyBooks()
    {
        conn().execute(QStringLiteral(
            "insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration)"
            " with recursive n(i) as (select 1 union all select i + 1 from n where i < 2400)"
            " select 1, case when i % 2 then ? else ? end, case when i % 2 then ? else ? end,"
            " date('2026-05-01', '+' || (i * 280 / 2400) || ' days'), 100, 'VOUCHER ' || i from n"),
                       {test::Cash, test::Fees, test::Building, test::Cash});
    }
};

// The shares a route's walk told, writing the text file.
template <class Document>
QList<double> sharesTold(Document& doc)
{
    QList<double> shares;
    doc.progress = [&shares](double done) { shares << done; };
    test::textLines(doc);
    return shares;
}

void expectRising(const QList<double>& shares)
{
    ASSERT_GE(shares.size(), 2);
    EXPECT_GE(shares.front(), 0.0);
    EXPECT_LE(shares.back(), 1.0);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_LT(shares.front(), shares.back());
}

} // namespace

TEST(ReportWalk, TheCashBookAndTheLedgerTellHowFarTheyHaveCome)
{
    BusyBooks books;
    RecPayDocument cashBook = RecPayBuilder(books.conn()).build(LedgerBooks::request());
    const QList<double> byDate = sharesTold(cashBook);
    // About every thousand of its 2,407 vouchers, by date within the period.
    EXPECT_EQ(byDate.size(), 2);
    expectRising(byDate);
    for (int plan : {0, 10}) {
        LedgerDocument ledger = LedgerBuilder(books.conn(), plan).build(LedgerBooks::request());
        expectRising(sharesTold(ledger));
    }
}

TEST(ReportWalk, AStopFromTheProgressEndsTheRunWithoutTheTotals)
{
    BusyBooks books;
    const auto stopAtOnce = [](double) { throw Stopped{}; };
    QStringList written;
    const auto write = [&written](const QString& line) { written << line; };

    RecPayDocument cashBook = RecPayBuilder(books.conn()).build(LedgerBooks::request());
    cashBook.progress = stopAtOnce;
    EXPECT_THROW(route(cashBook).text(write), Stopped);
    EXPECT_FALSE(written.filter(QStringLiteral("Total")).size());
    EXPECT_LT(written.size(), 1100);

    written.clear();
    LedgerDocument ledger = LedgerBuilder(books.conn()).build(LedgerBooks::request());
    ledger.progress = stopAtOnce;
    EXPECT_THROW(route(ledger).text(write), Stopped);
    EXPECT_FALSE(written.filter(QStringLiteral("Total")).size());
}
