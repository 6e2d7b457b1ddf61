#include "common/HostForm.h"
#include "dialogs/ScriptedDialogs.h"
#include "errors/PellamError.h"
#include "grids/FlexGrid.h"
#include "grids/PopupGrid.h"

#include "Records.h"
#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using pellam::ctl::PopupGrid;

namespace {

// The voucher form's use: a ledger head box and its lookup list, filtered by
// the beginning of the head's name.
struct LookupForm {
    pellam::ScriptedDialogsGuard boxes;
    QWidget form;
    QLineEdit* buddy = new QLineEdit(&form);
    PopupGrid* popup = new PopupGrid(&form);
    std::vector<QString> changes;
    std::vector<std::pair<int, int>> selections;
    int makeVisible = 0;

    explicit LookupForm(const QString& buddyName = QStringLiteral("TXTDEBITACCID"))
    {
        form.resize(500, 400);
        buddy->setObjectName(QStringLiteral("txtDebitAccId"));
        buddy->setGeometry(10, 10, 200, 20);
        popup->setGeometry(10, 32, 300, 100);
        popup->setBuddyCtrl(buddyName);
        popup->setColWidth({300, 0, 2400, 900});
        popup->setColTitle({"", "", "Ledger Head", "Code"});
        popup->setRecordSet(pellam::test::sampleHeads());
        QObject::connect(popup, &PopupGrid::OnChange, [this](PopupGrid::Filter* filter) {
            const QString typed = buddy->text().trimmed().toUpper();
            changes.push_back(buddy->text());
            *filter = [typed](const pellam::db::RecordSet::Row& row) {
                return row.value(1).toString().startsWith(typed);
            };
        });
        QObject::connect(popup, &PopupGrid::OnSelection,
                         [this](int* row, int* cols) { selections.emplace_back(*row, *cols); });
        QObject::connect(popup, &PopupGrid::ToMakeVisible, [this] {
            ++makeVisible;
            popup->show();
        });
    }
    void open()
    {
        form.show();
        QApplication::setActiveWindow(&form);
        buddy->setFocus();
    }
    int row() const { return popup->grid()->Row(); }
    QString head() const { return popup->TextMatrix(2); }
    // Lets the pause end.
    void pause() { popup->Timer1_Timer(); }
    int heightTwips() const { return popup->height() * pellam::ctl::twipsPerPixel; }
};

} // namespace

TEST(PopupGrid, BindsItsBuddyByNameWhenTheFormShows)
{
    LookupForm f;
    EXPECT_EQ(f.popup->GridText(), nullptr);
    f.open();
    EXPECT_EQ(f.popup->GridText(), f.buddy);
    EXPECT_TRUE(f.boxes->messages().empty());
}

TEST(PopupGrid, MissingBuddyIsReportedOncePerBindingAndBlankNameIsQuiet)
{
    LookupForm f(QStringLiteral("txtNone"));
    f.open();
    ASSERT_EQ(f.boxes->messages().size(), 1u);
    const auto& box = f.boxes->messages()[0];
    EXPECT_EQ(box.text, QStringLiteral("The Buddy Control Name 'txtNone' ..\n Control does not exist!!"));
    EXPECT_EQ(box.title, QStringLiteral("Error PopUpGrid"));
    EXPECT_EQ(box.icon, pellam::MessageIcon::Critical);
    EXPECT_EQ(f.popup->GridText(), nullptr);
    f.popup->bindBuddy();
    EXPECT_EQ(f.boxes->messages().size(), 2u);

    LookupForm blank(QStringLiteral("  "));
    blank.open();
    EXPECT_TRUE(blank.boxes->messages().empty());
    EXPECT_EQ(QWidget().property("BuddyCtrl"), QVariant());
    EXPECT_EQ(PopupGrid().BuddyCtrl(), QStringLiteral("TextBoxName"));
}

TEST(PopupGrid, TypingShowsTheListAndFiltersOnceAfterThePause)
{
    LookupForm f;
    f.open();
    EXPECT_FALSE(f.popup->isShown());
    QTest::keyClick(f.buddy, 'b');
    EXPECT_EQ(f.makeVisible, 1);
    ASSERT_TRUE(f.popup->isShown());
    EXPECT_EQ(f.changes, std::vector<QString>{"b"}) << "showing filters at once";
    EXPECT_EQ(f.popup->grid()->Rows(), 3) << "BANK CHARGES, BUILDING, and the title row";

    QTest::keyClicks(f.buddy, "uil");
    EXPECT_EQ(f.makeVisible, 1);
    EXPECT_TRUE(f.popup->timer()->isActive());
    EXPECT_EQ(f.popup->timer()->interval(), 400);
    EXPECT_EQ(f.changes.size(), 1u);
    f.pause();
    EXPECT_EQ(f.changes, (std::vector<QString>{"b", "buil"}));
    EXPECT_EQ(f.popup->grid()->Rows(), 2);
    EXPECT_EQ(f.head(), QStringLiteral("BUILDING"));

    // An emptied box lists every record without asking the host.
    f.buddy->clear();
    f.pause();
    EXPECT_EQ(f.changes.size(), 2u);
    EXPECT_EQ(f.popup->grid()->Rows(), 8);

    // Hidden, typing only asks to be shown, and only from the focused box.
    f.popup->hide();
    f.form.setFocus();
    QTest::keyClick(f.buddy, 'x');
    EXPECT_EQ(f.makeVisible, 1);
    EXPECT_FALSE(f.popup->timer()->isActive());
}

TEST(PopupGrid, NoMatchLeavesOneBlankRowAtTheSmallestHeight)
{
    LookupForm f;
    f.open();
    f.buddy->setText(QStringLiteral("QQ"));
    f.popup->show();
    EXPECT_EQ(f.popup->grid()->Rows(), 2);
    EXPECT_EQ(f.head(), QString());
    EXPECT_EQ(f.popup->grid()->Cols(), 4);
    EXPECT_EQ(f.popup->grid()->TextMatrix(0, 2), QStringLiteral("Ledger Head"));
    EXPECT_NEAR(f.heightTwips(), 5 + 5.4 * 240, 8);
}

TEST(PopupGrid, HeightFollowsTheRowsUpToMaxHeight)
{
    LookupForm f;
    f.open();
    f.buddy->setText(QStringLiteral("B"));
    f.popup->show();
    EXPECT_NEAR(f.heightTwips(), 5 + (4 + 1.4) * 240, 8) << "fewer than four rows count as four";
    f.buddy->setText(QStringLiteral("A"));
    f.pause();
    EXPECT_EQ(f.popup->grid()->Rows(), 3);
    EXPECT_NEAR(f.heightTwips(), 5 + (4 + 1.4) * 240, 8);
    f.buddy->clear();
    f.pause();
    EXPECT_EQ(f.popup->grid()->Rows(), 8);
    EXPECT_NEAR(f.heightTwips(), 5 + (8 + 1.4) * 240, 8);
}

TEST(PopupGrid, MaxHeightIsFixedOnceTheFormRuns)
{
    LookupForm f;
    f.popup->setMaxHeight(1500);
    EXPECT_EQ(f.popup->property("MaxHeight").toInt(), 1500);
    f.open();
    try {
        f.popup->setMaxHeight(4000);
        FAIL() << "MaxHeight cannot change at run time";
    } catch (const pellam::PellamError& e) {
        EXPECT_EQ(e.Number(), 382);
    }
    f.popup->show();
    EXPECT_EQ(f.heightTwips(), 1500);
}

TEST(PopupGrid, ArrowKeysInTheBuddyMoveWithinTheListAndEnterSelects)
{
    LookupForm f;
    f.open();
    f.popup->show();
    f.buddy->setText(QStringLiteral("  "));
    f.buddy->setCursorPosition(1);
    f.pause();
    ASSERT_EQ(f.popup->grid()->Rows(), 8);

    QTest::keyClick(f.buddy, Qt::Key_Up);
    EXPECT_EQ(f.row(), 1) << "Up on the first row";
    QTest::keyClick(f.buddy, Qt::Key_Down);
    QTest::keyClick(f.buddy, Qt::Key_Down);
    EXPECT_EQ(f.row(), 3);
    EXPECT_EQ(f.popup->grid()->TextMatrix(3, 0), QStringLiteral("=>"));
    EXPECT_EQ(f.buddy->cursorPosition(), 1) << "the keys do not reach the box";
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(f.buddy, Qt::Key_Down);
    EXPECT_EQ(f.row(), 7) << "Down on the last row";
    QTest::keyClick(f.buddy, Qt::Key_Up);
    EXPECT_EQ(f.row(), 6);

    QTest::keyClick(f.buddy, Qt::Key_Return);
    ASSERT_EQ(f.selections.size(), 1u);
    EXPECT_EQ(f.selections[0], std::make_pair(6, 3));
    EXPECT_EQ(f.head(), QStringLiteral("  BOOKS"));
}

TEST(PopupGrid, ClickOrEnterInTheGridSelectsOnlyWhileShown)
{
    LookupForm f;
    f.open();
    f.popup->show();
    auto* grid = f.popup->grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 2)).center());
    ASSERT_EQ(f.selections.size(), 1u);
    EXPECT_EQ(f.selections[0], std::make_pair(2, 3));
    QTest::keyClick(grid, Qt::Key_Enter);
    EXPECT_EQ(f.selections.size(), 2u);
    f.popup->hide();
    QTest::keyClick(grid, Qt::Key_Enter);
    QTest::keyClick(f.buddy, Qt::Key_Return);
    EXPECT_EQ(f.selections.size(), 2u);
}

TEST(PopupGrid, ColumnArraysAddColumnsAndTheLastColumnReachesTheRightEdge)
{
    LookupForm f;
    f.popup->setColWidth({300, 0, 1200, 600, 600});
    f.popup->setColTitle({"", "", "Head", "Code", "Extra"});
    f.open();
    f.popup->show();
    auto* grid = f.popup->grid();
    EXPECT_EQ(grid->Cols(), 5);
    EXPECT_EQ(grid->TextMatrix(0, 4), QStringLiteral("Extra"));
    EXPECT_EQ(grid->columnWidth(1), 0);
    EXPECT_EQ(grid->columnViewportPosition(4) + grid->columnWidth(4), grid->viewport()->width());
}

TEST(PopupGrid, WithoutRecordsNothingIsFiltered)
{
    LookupForm f;
    f.popup->setRecordSet(pellam::db::RecordSet());
    f.open();
    f.buddy->setText(QStringLiteral("A"));
    f.popup->show();
    EXPECT_TRUE(f.changes.empty());
}
