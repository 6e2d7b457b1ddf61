#include "app/AppTestBooks.h"
#include "core/Common.h"
#include "errors/PellamError.h"
#include "shell/PellamMenu.h"
#include "support/QtPrinters.h"

#include <QListWidget>
#include <QProgressBar>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

TEST(ShowStatus, CapitalisesEachWordInThePanel)
{
    PellamMenu menu;
    const struct { const char* text; const char* shown; } cases[] = {
        {"Verifying Cash Account", "Verifying Cash Account"},
        {"LOADING", "Loading"},
        {"Connecting to database", "Connecting To Database"},
        {"Closing Databses,Tables,open windows ....", "Closing Databses,tables,open Windows ...."},
        {"", ""},
    };
    for (const auto& c : cases) {
        ShowStatus(QString::fromLatin1(c.text));
        EXPECT_EQ(menu.statusPanel(1), QString::fromLatin1(c.shown));
    }
}

TEST(ShowProgress, IgnoresValuesAboveTheMaximumAndHidesOnMode2)
{
    PellamMenu menu;
    ShowProgress(0, 1, 100);
    EXPECT_FALSE(menu.progressBar()->isHidden());
    ShowProgress(40, 1, 100);
    EXPECT_EQ(menu.progressBar()->value(), 40);
    ShowProgress(30, 1, 50);
    EXPECT_EQ(menu.progressBar()->maximum(), 50) << "mode 1 restarts the bar with a new maximum";
    EXPECT_EQ(menu.progressBar()->value(), 30);
    ShowProgress(40, 0, 0);
    EXPECT_EQ(menu.progressBar()->value(), 40);
    ShowProgress(60, 0, 0);
    EXPECT_EQ(menu.progressBar()->value(), 40) << "above the maximum";
    ShowProgress(100, 2, 0);
    EXPECT_TRUE(menu.progressBar()->isHidden());
}

TEST(Institutions, ListAndReportTitles)
{
    test::AppTestBooks books;
    books.conn().execute(QStringLiteral("update organization set shopName=?, Place=?, PinCode=?, MonName=?, LedName=? where ShopId=1"),
                         {QStringLiteral("ST. MARY'S SCHOOL"), QStringLiteral("MADURAI"), QStringLiteral("625001"),
                          QStringLiteral("Monthly Statement of St. Mary's"), QStringLiteral("Ledger of St. Mary's")});
    books.conn().execute(QStringLiteral("insert into organization(ShopId, shopName, Place) values(2, 'DISPENSARY', 'THENI')"));
    books.conn().execute(QStringLiteral("insert into organization(ShopId, shopName) values(3, 'HOSTEL')"));

    QListWidget list;
    list.setSelectionMode(QAbstractItemView::MultiSelection);
    LoadInstitutions(&list);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("ST. MARY'S SCHOOL"));
    EXPECT_EQ(list.item(2)->data(Qt::UserRole).toInt(), 3);
    EXPECT_EQ(list.currentRow(), 0);

    QString place = QStringLiteral("unchanged");
    EXPECT_EQ(ReportTitle(4, 1, place), QStringLiteral("Monthly Statement of St. Mary's"));
    EXPECT_EQ(place, QStringLiteral("MADURAI - 625001"));
    EXPECT_EQ(ReportTitle(1, 0, place), QStringLiteral("Ledger of St. Mary's")) << "0 is the first institution";
    EXPECT_EQ(ReportTitle(4, 2, place), QString());
    EXPECT_EQ(place, QStringLiteral("THENI")) << "no pincode: the place alone";
    place = QStringLiteral("kept");
    EXPECT_EQ(ReportTitle(2, 3, place), QString());
    EXPECT_EQ(place, QStringLiteral("kept")) << "no place: unchanged";
    EXPECT_EQ(ReportTitle(1, 9, place), QString());
    EXPECT_EQ(ReportTitle(7, 1, place), QString());

    books.conn().execute(QStringLiteral("delete from organization"));
    EXPECT_THROW(LoadInstitutions(&list), PellamError);
}
