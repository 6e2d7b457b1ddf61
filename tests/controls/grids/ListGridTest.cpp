#include "errors/PellamError.h"
#include "grids/FlexGrid.h"
#include "grids/ListGrid.h"
#include "grids/RecordSetModel.h"

#include "Records.h"
#include "support/QtPrinters.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using pellam::ctl::ListGrid;

namespace {

// A form with one list that records every OnNavigate.
struct ListForm {
    QWidget form;
    ListGrid* list = new ListGrid(&form);
    std::vector<std::pair<int, int>> navigations;

    ListForm()
    {
        form.resize(600, 400);
        list->setGeometry(30, 40, 300, 200);
        QObject::connect(list, &ListGrid::OnNavigate, [this](int* row, int* cols) {
            navigations.emplace_back(*row, *cols);
        });
    }
    void load(const pellam::db::RecordSet& records, int col1 = 2, int col2 = 3)
    {
        list->SetGridProperties(records, {300, 600, 2400, 900}, {"", "No", "Ledger Head", "Code"}, col1, col2);
    }
    int row() const { return list->grid()->Row(); }
    void type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(list->grid(), *k);
    }
};

} // namespace

TEST(ListGrid, LoadsTitlesWidthsMarkerAndNavigates)
{
    ListForm f;
    f.load(pellam::test::sampleHeads());
    auto* grid = f.list->grid();
    EXPECT_EQ(grid->Rows(), 8);
    EXPECT_EQ(grid->Cols(), 4);
    EXPECT_EQ(grid->TextMatrix(0, 2), QStringLiteral("Ledger Head"));
    EXPECT_EQ(grid->TextMatrix(2, 2), QStringLiteral("BANK CHARGES"));
    EXPECT_EQ(grid->columnWidth(2), 160) << "2400 twips";
    EXPECT_EQ(grid->TextMatrix(1, 0), QStringLiteral("=>"));
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 4) << "the whole current row";
    ASSERT_EQ(f.navigations.size(), 1u);
    EXPECT_EQ(f.navigations[0], std::make_pair(1, 3));
    EXPECT_EQ(f.list->TextMatrix(3), QStringLiteral("CSH"));

    // The marker and the selection follow the current row.
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->TextMatrix(1, 0), QString());
    EXPECT_EQ(grid->TextMatrix(2, 0), QStringLiteral("=>"));
    EXPECT_EQ(grid->selectionModel()->selectedRows().value(0).row(), 1);
    EXPECT_EQ(f.navigations.size(), 1u) << "arrow keys do not navigate the host";
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(f.navigations.back(), std::make_pair(2, 3));
    const QRect cell = grid->visualRect(grid->model()->index(4, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(f.navigations.back(), std::make_pair(5, 3));
    EXPECT_EQ(f.list->TextMatrix(2), QStringLiteral("BUILDING"));
}

TEST(ListGrid, EmptyRecordSetShowsOneBlankRowAndStillNavigates)
{
    ListForm f;
    f.load(pellam::test::ledgerHeads({}));
    EXPECT_EQ(f.list->grid()->Rows(), 2);
    EXPECT_EQ(f.list->grid()->Cols(), 4);
    EXPECT_EQ(f.list->TextMatrix(2), QString());
    EXPECT_EQ(f.list->grid()->TextMatrix(0, 3), QStringLiteral("Code"));
    ASSERT_EQ(f.navigations.size(), 1u);
    EXPECT_EQ(f.navigations[0], std::make_pair(1, 3));
}

TEST(ListGrid, LargeSetsTakeWidthsFromFieldSizesAndTitlesFromFieldNames)
{
    std::vector<std::tuple<int, QString, QString>> rows;
    for (int i = 0; i < ListGrid::kLargeSet; ++i)
        rows.emplace_back(i, QStringLiteral("HEAD %1").arg(i), QStringLiteral("C%1").arg(i));
    ListForm f;
    f.list->SetGridProperties(pellam::test::ledgerHeads(rows), {300}, {""});
    auto* grid = f.list->grid();
    EXPECT_EQ(grid->Rows(), ListGrid::kLargeSet + 1);
    EXPECT_EQ(grid->TextMatrix(0, 1), QStringLiteral("accno"));
    EXPECT_EQ(grid->TextMatrix(0, 3), QStringLiteral("AccCode"));
    EXPECT_EQ(grid->ColWidth(3), 6 * 50) << "CHAR(6): 50 twips a character";
    EXPECT_NEAR(grid->ColWidth(1), 4 * 50, 8) << "INTEGER: four, to the nearest pixel";
    EXPECT_EQ(grid->ColWidth(0), 300);
    EXPECT_EQ(grid->TextMatrix(ListGrid::kLargeSet, 2), QStringLiteral("HEAD 1500"));
}

TEST(ListGrid, ClosedRecordSetIsARunTimeError)
{
    ListForm f;
    try {
        f.load(pellam::db::RecordSet());
        FAIL();
    } catch (const pellam::PellamError& e) {
        EXPECT_EQ(e.Number(), 3704);
    }
}

TEST(ListGrid, TypeAheadWaitsForThePauseAndMatchesEitherColumn)
{
    struct Case {
        const char* name;
        std::vector<const char*> bursts; // typed between timer ticks
        int col1;
        int col2;
        int start;
        int expectedRow;
    };
    const std::vector<Case> cases = {
        {"quick typing searches once for both letters", {"ab"}, 2, 3, 1, 3},
        {"a pause searches each burst on its own", {"a", "bu"}, 2, 3, 1, 5},
        {"blanks after the typed text do not count", {"cash "}, 2, 3, 4, 1},
        {"a value is cut to the typed length before its blanks go", {"  b"}, 2, 3, 1, 6},
        {"the second column by its beginning", {"bnk"}, 2, 3, 1, 2},
        {"no match keeps the row", {"zz"}, 2, 3, 4, 4},
        {"lower-case values are not found by upper-case typing", {"sal"}, 2, 0, 1, 1},
        {"without a search column typing does nothing", {"ab"}, 0, 3, 1, 1},
        {"a search column outside the grid does nothing", {"ab"}, 4, 3, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListForm f;
        f.load(pellam::test::sampleHeads(), c.col1, c.col2);
        f.list->grid()->setRow(c.start);
        f.navigations.clear();
        for (const char* burst : c.bursts) {
            f.type(burst);
            EXPECT_TRUE(f.list->timer()->isActive());
            EXPECT_EQ(f.list->timer()->interval(), 700);
            f.list->Timer1_Timer();
            EXPECT_FALSE(f.list->timer()->isActive());
        }
        EXPECT_EQ(f.row(), c.expectedRow);
        const bool searches = c.col1 >= 1 && c.col1 < 4;
        EXPECT_EQ(f.navigations.size(), searches ? c.bursts.size() : 0u);
        if (searches) {
            EXPECT_EQ(f.navigations.back(), std::make_pair(c.expectedRow, 3));
        }
        EXPECT_EQ(f.list->grid()->TextMatrix(c.expectedRow, 0), QStringLiteral("=>"));
        EXPECT_EQ(f.list->findChild<QLineEdit*>(QStringLiteral("TxtEnter"))->text(), QString());
    }
}

TEST(ListGrid, TypedTextIsUpperCaseAndBlankTextSearchesNothing)
{
    ListForm f;
    f.load(pellam::test::sampleHeads());
    auto* enter = f.list->findChild<QLineEdit*>(QStringLiteral("TxtEnter"));
    QTest::keyClicks(enter, "abc");
    EXPECT_EQ(enter->text(), QStringLiteral("ABC"));
    enter->setText(QStringLiteral("  "));
    f.navigations.clear();
    f.list->Timer1_Timer();
    EXPECT_TRUE(f.navigations.empty());
    EXPECT_EQ(f.row(), 1);
}

TEST(ListGrid, DoubleClickZoomsToTheFormAndBack)
{
    ListForm f;
    f.load(pellam::test::sampleHeads());
    f.form.show();
    const QRect before = f.list->geometry();
    f.list->GridOnPOP_DblClick();
    EXPECT_TRUE(f.form.isMaximized());
    EXPECT_EQ(f.list->geometry(), f.form.contentsRect());
    f.list->GridOnPOP_DblClick();
    EXPECT_FALSE(f.form.isMaximized());
    EXPECT_EQ(f.list->geometry(), before);

    // A real double click on the grid does the same.
    QTest::mouseDClick(f.list->grid()->viewport(), Qt::LeftButton);
    EXPECT_TRUE(f.form.isMaximized());
}

TEST(ListGrid, CaptionStandsAboveTheGridOnlyWhenNotBlank)
{
    ListForm f;
    auto* label = f.list->findChild<QLabel*>(QStringLiteral("Label1"));
    f.form.show();
    EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(f.list->grid()->geometry(), f.list->rect());
    f.list->setProperty("Caption", QStringLiteral("Ledger Heads"));
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("Ledger Heads"));
    EXPECT_EQ(f.list->grid()->geometry().top(), label->geometry().bottom() + 1);
    EXPECT_EQ(f.list->grid()->geometry().bottom(), f.list->rect().bottom());
    f.list->setCaption(QStringLiteral("   "));
    EXPECT_FALSE(label->isVisible());

    EXPECT_FALSE(f.list->Enabled());
    f.list->setProperty("Enabled", true);
    EXPECT_TRUE(f.list->Enabled());
}
