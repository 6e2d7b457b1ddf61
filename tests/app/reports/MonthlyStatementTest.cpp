#include "StatementFixture.h"
#include "StatusLog.h"
#include "dialogs/ScriptedDialogs.h"
#include "reports/MonthlyBuilder.h"
#include "reports/MonthlyReport.h"
#include "reports/MonthlyWriters.h"
#include "TextLines.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::StatementBooks;

namespace {

MonthlyRequest monthOf(QList<qint64> shops, int month)
{
    return {std::move(shops), month, QDate(2026, 4, 1), QDate(2027, 3, 31)};
}

MonthlyDocument build(const MonthlyRequest& r)
{
    return MonthlyBuilder(state().Conn).build(r, test::StCash);
}

} // namespace

TEST(MonthlyText, MatchesTheLayoutLineForLine)
{
    StatementBooks books;
    struct Case {
        const char* file;
        MonthlyRequest request;
    };
    // The school's April: its own heads only, the opening alone. The
    // dispensary's January: no voucher of its own, a cash opening below
    // nothing. Both in March: a head never used, a name cut to its column.
    for (const Case& c : {Case{"monthly_school_april.txt", monthOf({1}, 4)},
                          Case{"monthly_dispensary_january.txt", monthOf({2}, 1)},
                          Case{"monthly_both_march.txt", monthOf({1, 2}, 3)}}) {
        EXPECT_EQ(test::textFile(build(c.request)),
                  test::expected(QString::fromLatin1(c.file)))
            << c.file;
    }
}

TEST(MonthlyStatement, OpeningIsTheCashOpeningWithTheEarlierMonthsOfTheYear)
{
    StatementBooks books;
    struct Case {
        int month;
        qint64 opening; // paise
    };
    // 7,500.00 opened; April's 1,700.00 in and 800.00 out, December's
    // 1,23,456.78 in and 45.50 out, January's 1,000.00 in.
    for (const Case& c : {Case{4, 750000}, Case{5, 840000}, Case{12, 840000}, Case{1, 13181128}, Case{3, 13281128}})
        EXPECT_EQ(build(monthOf({1, 2}, c.month)).opening, Currency::fromPaise(c.opening)) << c.month;

    // Every month closes on the next one's opening, March on the year's end.
    for (int i = 0; i < 11; ++i) {
        const int month = (i + 3) % 12 + 1;
        EXPECT_EQ(build(monthOf({1, 2}, month)).closing(), build(monthOf({1, 2}, month % 12 + 1)).opening) << month;
    }
}

TEST(MonthlyReport, PreviewShowsEachPhaseInTheStatusBar)
{
    StatementBooks books;
    ScriptedDialogsGuard scripted;
    const QList<QWidget*> before = QApplication::allWidgets();
    test::StatusLog status;
    MonthlyReport(monthOf({1, 2}, 3), MonthlyToPreview);
    EXPECT_EQ(status.events, (QStringList{"Preparing To Make Report", "Generating Report", "Calucating Opening",
                                          "Calculating Closing", "Report Is Generated", "progress 100",
                                          "Previewing Report"}));
    test::expectOnePreview(before, QStringLiteral("Monthly Report"), "monthly_both_march.txt");
}

TEST(MonthlyReport, BooksWithoutACashAccountGiveTheMessageAndNoReport)
{
    StatementBooks books;
    books.conn().execute(QStringLiteral("delete from PostSettings where SettingName = 'CashAccNo'"));
    ScriptedDialogsGuard scripted;
    const QList<QWidget*> before = QApplication::allWidgets();
    test::StatusLog status;
    MonthlyReport(monthOf({1, 2}, 3), MonthlyToPreview);
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, QStringLiteral("Cannot find the cash account"));
    EXPECT_TRUE(test::previewsSince(before).isEmpty());
    EXPECT_EQ(status.events, (QStringList{"Preparing To Make Report", "progress 100"}));
}
