#include "PrintRun.h"
#include "RecPayFixture.h"
#include "reports/RecPayBuilder.h"
#include "reports/RecPayWriters.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::RecPayBooks;

namespace {

struct PrintRun : test::PrintRun {
    using test::PrintRun::PrintRun;
    void print(const ReportChoices& r)
    {
        run([&](ReportPrinter& p) { printRecPay(RecPayBuilder(state().Conn).build(r), p); });
    }
};

} // namespace

TEST(RecPayPrint, TheCashBookOnAPageNumberedFromThePageBox)
{
    RecPayBooks books;
    PrintRun run(10);
    ReportChoices r;
    r.shops = {1};
    r.from = QDate(2026, 4, 1);
    r.to = QDate(2026, 4, 30);
    r.reference = ReportReference::SerialNo;
    r.shopColumn = true;
    run.print(r);
    EXPECT_EQ(test::pdfPages(run.pdf), 1);

    QStringList lines = test::page(run.printed, 11);
    ASSERT_EQ(lines.size(), 15);
    const QStringList titles{QStringLiteral("ST. MARY'S SCHOOL RECEIPTS & PAYMENTS"),
                             QStringLiteral("ARAVURAM - 680100"),
                             QStringLiteral("R E C E I P T   A N D  P A Y M E N T"),
                             QStringLiteral("From  01/04/2026  -------> To 30/04/2026")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i + 1].trimmed(), titles[i]);
        EXPECT_GT(lines[i + 1].size() - titles[i].size(), 5) << "centred";
        lines[i + 1] = QStringLiteral("<centred>");
    }
    EXPECT_EQ(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), test::expected(QStringLiteral("recpay_print_april.txt")));

    // The number ends short of the right limit by the measuring text.
    PagePrinter& p = PagePrinter::instance();
    const PrintedLine& number = run.printed.front();
    p.setFontSize(number.fontSize);
    EXPECT_DOUBLE_EQ(number.x, run.printer.rightLimit() - p.TextWidth(QStringLiteral("Page : Page :11")));
}

TEST(RecPayPrint, ALongCashBookContinuesOnNumberedPagesWithTheColumnHeadingAgain)
{
    RecPayBooks books;
    for (int i = 0; i < 150; ++i)
        books.conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                            "values(1, ?, 1, '2026-06-01', 100)"),
                             {test::Building});
    PrintRun run(4);
    run.print(RecPayBooks::request());
    QSet<int> numbers;
    for (const PrintedLine& l : run.printed)
        numbers.insert(l.page);
    ASSERT_GE(numbers.size(), 3);
    EXPECT_EQ(test::pdfPages(run.pdf), numbers.size());
    for (int n = 5; n < 5 + numbers.size(); ++n) {
        const QStringList lines = test::page(run.printed, n);
        ASSERT_GE(lines.size(), 4) << n;
        EXPECT_EQ(lines[0], QStringLiteral("Page :") + QString::number(n));
    }
    const QStringList second = test::page(run.printed, 6);
    const QString rule = QString(5, QLatin1Char(' ')) + QString(89, QLatin1Char('-'));
    EXPECT_EQ(second.mid(1, 3),
              (QStringList{rule,
                           QStringLiteral("      B/V No.   L/F    Date      Account name                        "
                                          "Receipt Rs.   Payment Rs."),
                           rule}));
    EXPECT_TRUE(second[4].contains(QStringLiteral("01/06/26 BUILDING FUND"))) << second[4].toStdString();
    EXPECT_EQ(test::page(run.printed, 4 + int(numbers.size())).back().trimmed(),
              QStringLiteral("14,35,767.50   14,35,767.50"));
}
