#include "cli/PellamTool.h"
#include "database/Connection.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace pellam;

namespace {

struct Result {
    int code;
    QString out, err;
};

// The books of 2025-2026, closed into 2026-2027: two institutions, the cash
// account, a bank account (BNK, a balance head with a credit opening at the
// dispensary) and fees (FEE, no balance head).
struct CarryForward : ::testing::Test {
    test::TempHome home;
    QDateTime now{QDate(2026, 4, 10), QTime(9, 0, 0)};
    QString oldBooks = home.file(QStringLiteral("home/Data/account2526.db"));
    QString newBooks = home.file(QStringLiteral("home/Data/account2627.db"));

    CarryForward()
    {
        EXPECT_EQ(run({QStringLiteral("init"), QStringLiteral("--year"), QStringLiteral("2025")}).code, 0);
        db::Connection conn;
        conn.Open(oldBooks);
        conn.executeScript(QStringLiteral(
            "insert into organization(ShopId, shopName) values(2, 'DISPENSARY');"
            "insert into account(accno, AccCode, AccountName) values(7, 'BNK', 'BANK'), (8, 'FEE', 'FEES');"
            "insert into balancehead(accno) values(7);"
            "delete from accountopening;"
            "insert into accountopening values(1, 1, 100000, 'D'), (1, 2, 0, 'D'), (7, 1, 0, 'D'), (7, 2, 50000, 'C'),"
            " (8, 1, 0, 'D'), (8, 2, 0, 'D');"
            "insert into journal(shopid, debitaccid, creditaccid, joudate, amount) values"
            " (1, 1, 8, '2025-06-01', 250000), (1, 7, 1, '2025-07-01', 300000), (2, 1, 7, '2026-03-31', 20000);"));
    }
    Result run(const QStringList& arguments)
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int code = cli::PellamTool(outStream, errStream, now).run(arguments);
        return {code, out, err};
    }
    Result carry(const char* action) { return run({QStringLiteral("carry-forward"), QLatin1String(action)}); }
    QString openings()
    {
        db::Connection conn;
        conn.Open(newBooks);
        return conn
            .scalar(QStringLiteral("select group_concat(accno||':'||shopid||':'||opamt||optype, ' ') from "
                                   "(select * from accountopening order by accno, shopid)"))
            .toString();
    }
};

} // namespace

TEST_F(CarryForward, TheClosingCarriesTheBalancesAndTheCheckAgreesUntilALateVoucher)
{
    const Result closed = run({QStringLiteral("close-year"), QStringLiteral("--date"), QStringLiteral("31/03/2026")});
    ASSERT_EQ(closed.code, 0) << closed.err.toStdString();
    EXPECT_TRUE(closed.out.contains(QStringLiteral("Carry forward closing balances\n")));
    // Cash: 1,000.00 + 2,500.00 - 3,000.00 at 1; 200.00 at 2. The bank:
    // 3,000.00 paid in at 1; 500.00 - 200.00 withdrawn, a credit, at 2.
    EXPECT_EQ(openings(), QStringLiteral("1:1:50000D 1:2:20000D 7:1:300000D 7:2:70000C 8:1:0D 8:2:0D"));
    EXPECT_EQ(carry("check").out, QStringLiteral("Every carried balance of 2026-2027 equals its closing in 2025-2026\n"));

    ASSERT_EQ(run({QStringLiteral("voucher"), QStringLiteral("add"), QStringLiteral("--year"), QStringLiteral("2025"),
                   QStringLiteral("--date"), QStringLiteral("31/03/2026"), QStringLiteral("--shop"), QStringLiteral("2"),
                   QStringLiteral("--payment"), QStringLiteral("--head"), QStringLiteral("BNK"), QStringLiteral("--amount"),
                   QStringLiteral("75.50")})
                  .code,
              0);
    const Result differs = carry("check");
    EXPECT_EQ(differs.code, 1);
    EXPECT_EQ(differs.out, QStringLiteral("BNK BANK, institution 2 DISPENSARY: opening 700.00 C, closing in 2025-2026 "
                                          "624.50 C\n"
                                          "CASH CASH A/C, institution 2 DISPENSARY: opening 200.00 D, closing in "
                                          "2025-2026 124.50 D\n"));
    EXPECT_EQ(differs.err, QStringLiteral("pellam: 2 carried balances of 2026-2027 differ from the closing of 2025-2026; "
                                          "pellam carry-forward update writes the closings as the openings\n"));
    EXPECT_EQ(openings(), QStringLiteral("1:1:50000D 1:2:20000D 7:1:300000D 7:2:70000C 8:1:0D 8:2:0D"))
        << "a check changes nothing";

    EXPECT_EQ(carry("update").out, QStringLiteral("Updated 2 openings of 2026-2027 to the closing balances of 2025-2026\n"));
    EXPECT_EQ(openings(), QStringLiteral("1:1:50000D 1:2:12450D 7:1:300000D 7:2:62450C 8:1:0D 8:2:0D"));
    EXPECT_EQ(carry("check").code, 0);
    EXPECT_EQ(carry("update").out,
              QStringLiteral("Nothing to update: every carried balance of 2026-2027 equals its closing in 2025-2026\n"));
}

TEST_F(CarryForward, WithZeroOpeningsTheCheckListsEveryBalanceToCarry)
{
    ASSERT_EQ(run({QStringLiteral("close-year"), QStringLiteral("--date"), QStringLiteral("31/03/2026"),
                   QStringLiteral("--zero-openings")})
                  .code,
              0);
    EXPECT_EQ(openings(), QStringLiteral("1:1:0D 1:2:0D 7:1:0D 7:2:0D 8:1:0D 8:2:0D"));
    const Result listed = carry("check");
    EXPECT_EQ(listed.code, 1);
    EXPECT_EQ(listed.out.count(QLatin1Char('\n')), 4);
    ASSERT_EQ(carry("update").code, 0);
    EXPECT_EQ(openings(), QStringLiteral("1:1:50000D 1:2:20000D 7:1:300000D 7:2:70000C 8:1:0D 8:2:0D"));
}

TEST_F(CarryForward, WithoutTheYearBeforeThereIsNothingToCarry)
{
    const Result result = run({QStringLiteral("carry-forward"), QStringLiteral("check"), QStringLiteral("--date"),
                               QStringLiteral("01/04/2025")});
    EXPECT_EQ(result.code, 3);
    EXPECT_EQ(result.err, QStringLiteral("pellam: No books exist for the financial year 2024-2025 (%1) to carry the "
                                         "balances from.\n")
                              .arg(home.file(QStringLiteral("home/Data/account2425.db"))));
}
