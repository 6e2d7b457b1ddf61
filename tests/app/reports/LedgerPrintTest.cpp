#include "LedgerFixture.h"
#include "PrintRun.h"
#include "dialogs/ScriptedDialogs.h"
#include "printing/PagePrinter.h"
#include "reports/LedgerBuilder.h"
#include "reports/LedgerWriters.h"
#include "reports/LedgerReport.h"
#include "support/QtPrinters.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::LedgerBooks;

namespace {

struct PrintRun : test::PrintRun {
    using test::PrintRun::PrintRun;
    void print(const LedgerRequest& r)
    {
        run([&](ReportPrinter& p) { printLedger(LedgerBuilder(state().Conn).build(r), p); });
    }
};

using test::page;
using test::pdfPages;

} // namespace

TEST(LedgerPrint, EveryHeadOnItsOwnPageNumberedFromThePageBox)
{
    LedgerBooks books;
    PrintRun run(10);
    run.print(LedgerBooks::request());
    EXPECT_EQ(pdfPages(run.pdf), 3);

    const QString expected = test::expected(QStringLiteral("ledger_print_building.txt"));
    QStringList first = page(run.printed, 11);
    ASSERT_EQ(first.size(), 12);
    // The centred titles: their own text, with as many blanks as centre them.
    const QStringList titles{QStringLiteral("ST. MARY'S SCHOOL LEDGER"), QStringLiteral("ARAVURAM - 680100"),
                             QStringLiteral("LEDGER REPORT  of BUILDING FUND"),
                             QStringLiteral("From 01/05/2026 ------> To 31/03/2027")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(first[i + 1].trimmed(), titles[i]);
        EXPECT_GT(first[i + 1].size() - titles[i].size(), 10) << "centred";
        first[i + 1] = QStringLiteral("<centred>");
    }
    EXPECT_EQ(first.join(QLatin1Char('\n')) + QLatin1Char('\n'), expected);

    for (int number : {11, 12, 13}) {
        const QStringList lines = page(run.printed, number);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines[0], QStringLiteral("Page :") + QString::number(number));
    }
    EXPECT_EQ(page(run.printed, 12)[3].trimmed(), QStringLiteral("LEDGER REPORT  of DONATIONS"));
    EXPECT_EQ(page(run.printed, 13)[3].trimmed(), QStringLiteral("LEDGER REPORT  of ST. MARY'S FEES"));

    // The number ends short of the right limit by the measuring text.
    PagePrinter& p = PagePrinter::instance();
    const PrintedLine& number = run.printed.front();
    p.setFontSize(number.fontSize);
    EXPECT_DOUBLE_EQ(number.x, run.printer.rightLimit() - p.TextWidth(QStringLiteral("Page : Page :page11")));
    // The fitted size is the largest at which the 87-dash rule fits.
    const QString rule = QString(5, QLatin1Char(' ')) + QString(87, QLatin1Char('-'));
    EXPECT_LT(p.TextWidth(rule), run.printer.lineLimit());
    p.setFontSize(number.fontSize + 1);
    EXPECT_TRUE(number.fontSize == 20 || p.TextWidth(rule) >= run.printer.lineLimit());
}

TEST(LedgerPrint, ALongHeadContinuesOnNewPagesWithTheColumnHeadingAgain)
{
    LedgerBooks books;
    for (int i = 0; i < 120; ++i)
        books.conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                            "values(1, ?, 1, '2026-06-01', 100)"),
                             {test::Building});
    PrintRun run(0);
    LedgerRequest r = LedgerBooks::request();
    r.heads = {test::Building};
    run.print(r);
    QSet<int> numbers;
    for (const PrintedLine& l : run.printed)
        numbers.insert(l.page);
    ASSERT_GE(numbers.size(), 2);
    EXPECT_EQ(pdfPages(run.pdf), numbers.size());
    const QStringList second = page(run.printed, 2);
    ASSERT_GE(second.size(), 5);
    EXPECT_EQ(second[0], QStringLiteral("Page :2"));
    EXPECT_EQ(second.mid(1, 3), page(run.printed, 1).mid(5, 3)) << "rule, column heading, rule";
    EXPECT_TRUE(second[4].contains(QStringLiteral("To CASH A/C")));
    EXPECT_EQ(page(run.printed, int(numbers.size())).back().trimmed().left(7), QStringLiteral("Balance"));
}

TEST(LedgerPrint, ACancelledPrinterDialogPrintsNothing)
{
    LedgerBooks books;
    test::TempHome pdfHome;
    const QString pdf = pdfHome.file(QStringLiteral("none.pdf"));
    PagePrinter::instance().usePdfFile(pdf);
    ScriptedDialogsGuard scripted;
    scripted->answerPrinter(false);
    LedgerReport(LedgerBooks::request(), LedgerPrint);
    EXPECT_EQ(scripted->printerDialogs(), 1);
    EXPECT_TRUE(scripted->messages().empty());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(ReportPrinter, PageBoxCountsOnlyAWholeNumber)
{
    for (const auto& [box, offset] : {std::pair{"", 0}, {"10", 10}, {" 3 ", 3}, {"x7", 0}, {"2.5", 0}})
        EXPECT_EQ(ReportPrinter::pageOffset(QString::fromLatin1(box)), offset) << box;
}
