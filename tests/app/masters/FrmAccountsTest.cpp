#include "core/FrmPreview.h"
#include "masters/FrmAccounts.h"
#include "masters/OpeningGrid.h"

#include "app/ModalDriver.h"
#include "MasterWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include "ExpectedHeadsList.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::masters;
using pellam::app::FrmPreview;

namespace {

// Institutions 1 MAIN INSTITUTION and 2 BRANCH; heads by name: 1 BUILDING
// FUND (used by a voucher), 2 CASH A/C, 3 RENT RECEIVED (1500.50 debit
// opening in BRANCH, none in MAIN INSTITUTION).
struct LedgerHeadsWindow : ::testing::Test, test::MasterWindow<FrmAccounts> {
    int building = 0;
    int rent = 0;

    void SetUp() override
    {
        conn().execute(QStringLiteral("insert into organization(ShopId, shopName) values(2, 'BRANCH')"));
        conn().execute(QStringLiteral("insert into account(AccCode, AccountName, Remarks) values('BLDG', 'BUILDING FUND', '')"));
        building = int(conn().lastInsertId());
        conn().execute(QStringLiteral("insert into account(AccCode, AccountName, Remarks) values('RENT', 'RENT RECEIVED', 'HALL')"));
        rent = int(conn().lastInsertId());
        conn().execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(?, 2, 150050, 'D')"), {rent});
        conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                      "values(1, 1, ?, '2026-05-01', 100)"),
                       {building});
        open();
    }
    OpeningGrid* grid() const { return find<OpeningGrid>("OpGrid"); }
    QString tag() const { return box("txtAccCode")->property("Tag").toString(); }
    // Columns 0 to 5 of an opening row.
    QStringList gridRow(int row) const
    {
        QStringList out;
        for (int c = 0; c < 6; ++c)
            out << grid()->TextMatrix(row, c);
        return out;
    }
    QStringList openingRows(int accno)
    {
        QStringList out;
        db::RecordSet rs = conn().query(
            QStringLiteral("select shopid, opamt, optype from accountopening where accno=? order by shopid"), {accno});
        for (; !rs.eof(); rs.MoveNext())
            out << QStringLiteral("%1:%2:%3").arg(rs.toString("shopid"), rs.toString("opamt"), rs.toString("optype"));
        return out;
    }
    // Opens the opening dialog on the current grid row with Enter; `act`
    // works the dialog.
    void enterOnGrid(std::function<void(QWidget*)> act)
    {
        test::whenModal(std::move(act));
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Return);
    }
    static void typeAndOk(QWidget* dialog, const QString& amount)
    {
        dialog->findChild<QLineEdit*>(QStringLiteral("TxtOpAmt"))->setText(amount);
        dialog->findChild<QPushButton*>(QStringLiteral("CmdUpdate"))->click();
    }
};

} // namespace

TEST_F(LedgerHeadsWindow, ShowsAHeadWithItsOpeningInEveryInstitution)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ledger Head Details"));
    EXPECT_EQ(listRows(), 3);
    EXPECT_EQ(box("txtAccCode")->text(), QStringLiteral("BLDG"));
    EXPECT_FALSE(box("txtAccCode")->isEnabled());
    EXPECT_EQ(box("txtAccCode")->maxLength(), 10);
    EXPECT_EQ(box("txtAccountName")->maxLength(), 30);

    pickListRow(3);
    EXPECT_EQ(tag(), QString::number(rent));
    EXPECT_EQ(box("txtAccCode")->text(), QStringLiteral("RENT"));
    EXPECT_EQ(box("txtAccountName")->text(), QStringLiteral("RENT RECEIVED"));
    EXPECT_EQ(box("txtRemarks")->text(), QStringLiteral("HALL"));
    ASSERT_EQ(grid()->Rows(), 3);
    EXPECT_EQ(gridRow(0).mid(0, 4), (QStringList{"*", "Shop Name", "Amt.", "Type"}));
    EXPECT_EQ(gridRow(1), (QStringList{">", "BRANCH", "1500.5", "D", QString::number(rent), "2"}));
    EXPECT_EQ(gridRow(2), (QStringList{"2", "MAIN INSTITUTION", "0", "C", QString::number(rent), "1"}));
    EXPECT_TRUE(grid()->isColumnHidden(4));
    EXPECT_TRUE(grid()->isColumnHidden(5));

    grid()->setRow(2);
    EXPECT_EQ(grid()->TextMatrix(1, 0), QStringLiteral("1"));
    EXPECT_EQ(grid()->TextMatrix(2, 0), QStringLiteral(">"));
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "openings change only while adding or editing";
}

TEST_F(LedgerHeadsWindow, ANewHeadsOpeningsAreWalkedWithEnterAndSavedTogether)
{
    click("CmdAdd");
    EXPECT_EQ(gridRow(1), (QStringList{">", "BRANCH", "0", "D", "0", "2"}));
    EXPECT_EQ(gridRow(2), (QStringList{"2", "MAIN INSTITUTION", "0", "D", "0", "1"}));
    QTest::keyClicks(box("txtAccCode"), "rnt-2");
    QTest::keyClicks(box("txtAccountName"), "rent paid");
    pickListRow(3); // the list does not overwrite an entry
    EXPECT_EQ(box("txtAccCode")->text(), QStringLiteral("RNT2"));
    EXPECT_EQ(gridRow(1)[4], QStringLiteral("0"));

    // Row 1 only with keys: the amount, Enter, C for Credit, Enter, Enter on OK.
    QString label;
    enterOnGrid([&](QWidget* dialog) {
        label = dialog->findChild<QLabel*>(QStringLiteral("LblShop"))->text();
        QTest::keyClicks(QApplication::focusWidget(), "250");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), 'c');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(label, QStringLiteral("BRANCH"));
    EXPECT_EQ(gridRow(1).mid(1, 3), (QStringList{"BRANCH", "250", "C"}));
    EXPECT_EQ(grid()->Row(), 2) << "Enter walks on to the next institution";

    // The last row: a malformed, an empty and an amount too large for words
    // are refused, the dialog stays; the cursor stays on the last row afterwards.
    enterOnGrid([](QWidget* dialog) {
        typeAndOk(dialog, QStringLiteral("1.2.3"));
        typeAndOk(dialog, QString());
        typeAndOk(dialog, QStringLiteral("99999999999"));
        EXPECT_TRUE(dialog->isVisible());
        typeAndOk(dialog, QStringLiteral("75.505"));
    });
    EXPECT_EQ(scripted->texts(), QStringList(3, QStringLiteral(" Invalid Amount !!")));
    EXPECT_EQ(scripted->messages()[2].icon, MessageIcon::Information);
    EXPECT_EQ(gridRow(2).mid(2, 2), (QStringList{"75.5", "D"}));
    EXPECT_EQ(grid()->Row(), 2);

    // Cancel leaves the row as it was.
    grid()->setRow(1);
    enterOnGrid([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("TxtOpAmt"))->setText(QStringLiteral("999"));
        dialog->findChild<QPushButton*>(QStringLiteral("CmdCancel"))->click();
    });
    EXPECT_EQ(gridRow(1)[2], QStringLiteral("250"));

    click("CmdAdd"); // Save
    EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrNone);
    const int accno = int(conn().scalar(QStringLiteral("select accno from account where AccCode='RNT2'")).toLongLong());
    ASSERT_GT(accno, 0);
    EXPECT_EQ(conn().scalar(QStringLiteral("select AccountName from account where accno=?"), {accno}).toString(),
              QStringLiteral("RENT PAID"));
    EXPECT_EQ(openingRows(accno), (QStringList{"1:7550:D", "2:25000:C"}));
    EXPECT_EQ(tag(), QString::number(accno)) << "the saved head stays shown";
    EXPECT_EQ(listRows(), 4);
}

TEST_F(LedgerHeadsWindow, LeavingTheCodeBoxRefusesACodeAnotherHeadHas)
{
    click("CmdAdd");
    box("txtAccCode")->setFocus();
    // Enter moves on through a posted Tab; a refused code is given the
    // focus back once the Tab has been handled.
    const auto enter = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    };
    QTest::keyClicks(box("txtAccCode"), "rent");
    enter();
    EXPECT_EQ(scripted->texts(), QStringList{"Code Already exist"});
    // The focus stays in the code box with the code selected, so the
    // retyped code replaces it and nothing reaches the name.
    EXPECT_EQ(QApplication::focusWidget(), box("txtAccCode"));
    EXPECT_EQ(box("txtAccCode")->selectedText(), QStringLiteral("RENT"));
    QTest::keyClicks(QApplication::focusWidget(), "rnt2");
    enter();
    EXPECT_EQ(box("txtAccCode")->text(), QStringLiteral("RNT2"));
    EXPECT_EQ(box("txtAccountName")->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), box("txtAccountName"));
    EXPECT_EQ(scripted->texts(), QStringList{"Code Already exist"});
    click("cmdEdit"); // Cancel

    pickListRow(3);
    click("cmdEdit");
    scripted->clear();
    box("txtAccCode")->setFocus();
    box("txtRemarks")->setFocus();
    EXPECT_TRUE(scripted->texts().isEmpty()) << "its own code";
    box("txtAccCode")->setText(QStringLiteral("BLDG"));
    box("txtAccCode")->setFocus();
    box("txtRemarks")->setFocus();
    EXPECT_EQ(scripted->texts(), QStringList{"Code Already exist"});
}

TEST_F(LedgerHeadsWindow, ACodeThatReachesTheBooksTwiceIsRefusedThere)
{
    // Typed without leaving the box, then saved with the button.
    click("CmdAdd");
    box("txtAccCode")->setText(QStringLiteral("rent"));
    box("txtAccountName")->setText(QStringLiteral("COPY"));
    click("CmdAdd");
    EXPECT_EQ(scripted->texts(),
              QStringList{"Duplicate entry.Please Specify another name. Current Trasaction will be cancelled"});
    EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrAdding);
    EXPECT_EQ(count(QStringLiteral("select count(*) from account")), 3);
    EXPECT_EQ(count(QStringLiteral("select count(*) from accountopening")), 2);
}

TEST_F(LedgerHeadsWindow, CodeAndNameMustBeGiven)
{
    const struct {
        const char* code;
        const char* name;
        const char* message;
        const char* focus;
    } cases[] = {{"", "NEW HEAD", "Invalid  Account Code !!", "txtAccCode"},
                 {"NEW", "   ", "Invalid  Account Name !!", "txtAccountName"}};
    click("CmdAdd");
    for (const auto& c : cases) {
        scripted->clear();
        box("txtAccCode")->setText(QString::fromLatin1(c.code));
        box("txtAccountName")->setText(QString::fromLatin1(c.name));
        click("CmdAdd");
        ASSERT_EQ(scripted->messages().size(), 1u);
        EXPECT_EQ(scripted->messages()[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
        EXPECT_EQ(QApplication::focusWidget(), box(c.focus));
        EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrAdding);
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from account")), 3);
}

TEST_F(LedgerHeadsWindow, TheCashAccountTakesOpeningsButNoRenameOrDelete)
{
    pickListRow(2);
    ASSERT_EQ(tag(), QStringLiteral("1"));
    click("cmdEdit");
    EXPECT_FALSE(box("txtAccCode")->isEnabled());
    EXPECT_FALSE(box("txtAccountName")->isEnabled());
    EXPECT_FALSE(box("txtRemarks")->isEnabled());
    grid()->setRow(1);
    enterOnGrid([](QWidget* dialog) {
        dialog->findChild<QComboBox*>(QStringLiteral("CboCrDr"))->setCurrentIndex(1);
        typeAndOk(dialog, QStringLiteral("5000"));
    });
    click("CmdAdd");
    EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrNone);
    EXPECT_EQ(openingRows(1), (QStringList{"1:0:D", "2:500000:D"}));
    EXPECT_EQ(conn().scalar(QStringLiteral("select AccCode || '/' || AccountName from account where accno=1")).toString(),
              QStringLiteral("CASH/CASH A/C"));

    click("cmdEdit");
    EXPECT_TRUE(box("txtRemarks")->isEnabled() == false);
    click("cmdEdit"); // Cancel
    pickListRow(3);
    click("cmdEdit");
    EXPECT_TRUE(box("txtAccCode")->isEnabled()) << "other heads can be renamed";
    click("cmdEdit");

    pickListRow(2);
    scripted->clear();
    deleteShown();
    EXPECT_EQ(scripted->texts().value(1), QStringLiteral("Cash Account cannot be deleted !!"));
    EXPECT_EQ(scripted->messages().back().icon, MessageIcon::Information);
    EXPECT_EQ(count(QStringLiteral("select count(*) from account where accno=1")), 1);
}

TEST_F(LedgerHeadsWindow, ABalanceHeadIsMarkedToCarryForwardAndTheCashAccountAlwaysIs)
{
    auto* carry = find<QCheckBox>("chkCarry");
    pickListRow(1);
    EXPECT_FALSE(carry->isChecked());
    EXPECT_FALSE(carry->isEnabled()) << "changed only while editing";
    click("cmdEdit");
    ASSERT_TRUE(carry->isEnabled());
    QTest::keyClick(carry, Qt::Key_Space);
    click("CmdAdd"); // Save
    EXPECT_EQ(count(QStringLiteral("select count(*) from balancehead where accno=?"), {building}), 1);
    pickListRow(3);
    EXPECT_FALSE(carry->isChecked());
    pickListRow(1);
    EXPECT_TRUE(carry->isChecked()) << "the mark is read back with the head";

    pickListRow(2);
    EXPECT_TRUE(carry->isChecked());
    click("cmdEdit");
    EXPECT_FALSE(carry->isEnabled()) << "the cash account always carries forward";
    click("cmdEdit"); // Cancel

    pickListRow(1);
    click("cmdEdit");
    QTest::keyClick(carry, Qt::Key_Space);
    click("CmdAdd");
    EXPECT_EQ(count(QStringLiteral("select count(*) from balancehead")), 0);
}

TEST_F(LedgerHeadsWindow, AHeadWithVouchersStaysAndAnUnusedOneGoesWithItsOpenings)
{
    pickListRow(1);
    deleteShown();
    EXPECT_EQ(scripted->texts().value(1), QStringLiteral("You Cannot Delete the Record !!    Transaction Exists"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from account where accno=?"), {building}), 1);

    scripted->clear();
    pickListRow(3);
    deleteShown();
    EXPECT_EQ(scripted->texts(), QStringList{"Are You sure to Delete?"});
    EXPECT_EQ(count(QStringLiteral("select count(*) from account where accno=?"), {rent}), 0);
    EXPECT_TRUE(openingRows(rent).isEmpty());
    EXPECT_EQ(listRows(), 2);
}

TEST_F(LedgerHeadsWindow, PrintShowsTheListOfHeadsInThePreview)
{
    conn().execute(QStringLiteral("update account set AccCode='A1B2C3D4E5', AccountName='ST. MARY''S \"HALL\" RENT' "
                                  "where accno=?"),
                   {rent});
    click("CmdPrint");
    FrmPreview* preview = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<FrmPreview*>(w); p && p->isVisible())
            preview = p;
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Account Heads"));
    EXPECT_TRUE(preview->fileName().startsWith(app::state().TempDir));
    QFile file(preview->fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    preview->close();
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Run Date :\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d [AP]M$"))
                    .match(lines[9])
                    .hasMatch())
        << lines[9].toStdString();
    lines[9] = QStringLiteral("Run Date :");
    const QStringList expected = test::kHeadsListHeading + QStringList{
        "1  BLDG      BUILDING FUND",
        "2  CASH      CASH A/C                        Yes",
        "3  A1B2C3D4E5ST. MARY'S \"HALL\" RENT",
        "",
        "Run Date :",
        "",
        "",
        "",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(LedgerHeadsWindow, F1OpensTheWindowsHelpTopic)
{
    auto help = std::make_unique<test::RecordingHelp>();
    test::RecordingHelp* seen = help.get();
    auto previous = setHelpViewer(std::move(help));
    QTest::keyClick(grid(), Qt::Key_F1);
    EXPECT_EQ(seen->topics, std::vector<int>{FrmAccounts::HelpContextID});
    setHelpViewer(std::move(previous));
}
