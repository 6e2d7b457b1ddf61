#include "app/AppTestBooks.h"
#include "data/CarriedBalances.h"
#include "dialogs/ScriptedDialogs.h"
#include "support/QtPrinters.h"
#include "yearend/FrmCarryForward.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

// This year's books and the year before's, whose cash closed at 1,250.00
// debit in institution 1 while this year's cash opens at zero.
struct CarriedBalances : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard boxes;
    data::FinancialYear oldYear = data::FinancialYear::beginningIn(books.year.start.year() - 1);
    QString oldFile = data::yearDatabasePath(AppFolders::data(), oldYear);
    db::Connection old;

    CarriedBalances()
    {
        state().CashAccNo = 1;
        data::createYearBooks(oldFile);
        old.Open(oldFile);
        old.executeScript(QStringLiteral("insert into account(accno, AccCode, AccountName) values(5, 'DON', 'DONATIONS');"
                                         "update accountopening set opamt = 100000, optype = 'D';"));
        addOldVoucher(25000);
        books.conn().execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(5, 'DON', 'DONATIONS')"));
    }
    void addOldVoucher(qint64 paise)
    {
        old.execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                   "values(1, 1, 5, ?, ?)"),
                    {oldYear.end.toString(Qt::ISODate), paise});
    }
    QString cashOpening()
    {
        return books.conn()
            .scalar(QStringLiteral("select group_concat(opamt||optype) from accountopening where accno = 1"))
            .toString();
    }
};

} // namespace

TEST_F(CarriedBalances, TheWindowListsWhatDiffersAndUpdateWritesTheClosings)
{
    FrmCarryForward window;
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("GrdCarried"));
    ASSERT_EQ(grid->rowCount(), 1);
    QStringList row;
    for (int c = 0; c < grid->columnCount(); ++c)
        row << grid->item(0, c)->text();
    EXPECT_EQ(row, QStringList({"CASH", "CASH A/C", "1 MAIN INSTITUTION", "0.00 D", "1,250.00 D"}));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("LblSummary"))->text(),
              QStringLiteral("1 carried balance differs: Update writes the closings of %1 as the openings.")
                  .arg(oldYear.label()));

    boxes->answer(MessageAnswer::No);
    window.findChild<QPushButton*>(QStringLiteral("CmdUpdate"))->click();
    EXPECT_EQ(cashOpening(), QStringLiteral("0D"));

    window.findChild<QPushButton*>(QStringLiteral("CmdUpdate"))->click();   // Yes
    EXPECT_EQ(boxes->texts().value(1),
              QStringLiteral("Write the closing balances of %1 as the openings of this head?").arg(oldYear.label()));
    EXPECT_EQ(cashOpening(), QStringLiteral("125000D"));
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("CmdUpdate"))->isEnabled());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("LblSummary"))->text(),
              QStringLiteral("Every carried balance of %1 equals its closing in %2.").arg(books.year.label(), oldYear.label()));
}

TEST_F(CarriedBalances, TheStartUpTellsOnceThatTheYearBeforeChangedAfterTheClosing)
{
    const auto notice = [&] {
        return data::carriedBalancesNotice(books.conn(), 1, AppFolders::data(), books.year).value_or(QString());
    };
    EXPECT_EQ(notice(), QString()) << "books that no closing made are not compared";
    data::CarryForwardCheck(books.conn(), 1, old, oldYear).update(
        data::CarryForwardCheck(books.conn(), 1, old, oldYear).differences());
    EXPECT_EQ(notice(), QString());

    addOldVoucher(999);
    EXPECT_EQ(notice(), QStringLiteral("The books of %1 changed after the closing: 1 carried balance differs "
                                       "(Utilities > Check Carried Balances).")
                            .arg(oldYear.label()));
    EXPECT_EQ(notice(), QString()) << "said once";
    addOldVoucher(1);
    EXPECT_NE(notice(), QString()) << "a further change is told again";
}
