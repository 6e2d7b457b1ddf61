#include "PrintRun.h"
#include "StatementFixture.h"
#include "reports/MonthlyBuilder.h"
#include "reports/MonthlyWriters.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::StatementBooks;

namespace {

struct PrintRun : test::PrintRun {
    PrintRun() : test::PrintRun(0) {}
    void print(QList<qint64> shops, int month)
    {
        const MonthlyRequest r{std::move(shops), month, QDate(2026, 4, 1), QDate(2027, 3, 31)};
        run([&](ReportPrinter& p) { printMonthly(MonthlyBuilder(state().Conn).build(r, test::StCash), p); });
    }
};

// Books with so many heads that the statement runs over several pages.
struct ManyHeadBooks : StatementBooks {
    ManyHeadBooks()
    {
        for (int i = 0; i < 120; ++i) {
            const int accno = 100 + i;
            conn().execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(?, ?, ?)"),
                           {accno, QStringLiteral("H%1").arg(i), QStringLiteral("HEAD %1").arg(i, 3, 10, QLatin1Char('0'))});
            conn().execute(QStringLiteral("insert into shopacc(accno, Shopid) values(?, 1)"), {accno});
        }
    }
};

} // namespace

TEST(MonthlyPrint, FirstPageHasTheTitlesLargerThanTheBody)
{
    StatementBooks books;
    PrintRun run;
    run.print({1, 2}, 3);
    EXPECT_EQ(test::pdfPages(run.pdf), 1);

    const std::vector<PrintedLine>& printed = run.printed;
    QStringList lines = test::page(run.printed, 1);
    ASSERT_EQ(lines.size(), 19);
    const QStringList titles{QStringLiteral("ST. MARY'S SCHOOL STATEMENT OF ACCOUNTS"),
                             QStringLiteral("ARAVURAM - 680100"),
                             QStringLiteral("MONTHLY  STATEMENT of MARCH '26 - '27")};
    const double sizes[] = {14, 12, 12};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i + 1].trimmed(), titles[i]);
        EXPECT_GT(lines[i + 1].size() - titles[i].size(), 16) << "centred past the 16 blanks";
        EXPECT_EQ(printed[size_t(i + 1)].fontSize, sizes[i]) << titles[i].toStdString();
        lines[i + 1] = QStringLiteral("<centred>");
    }
    EXPECT_EQ(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), test::expected(QStringLiteral("monthly_print_march.txt")));
    EXPECT_EQ(printed.front().fontSize, 10);
    EXPECT_EQ(printed.back().fontSize, 10);

    // The page number ends 200 twips short of the printable width.
    PagePrinter& p = PagePrinter::instance();
    p.setFontSize(10);
    EXPECT_DOUBLE_EQ(printed.front().x, p.ScaleWidth() - (p.TextWidth(QStringLiteral("Page :1")) + 200));
}

TEST(MonthlyPrint, ManyHeadsContinueOnNumberedPagesWithTheColumnHeadingAgain)
{
    ManyHeadBooks books;
    PrintRun run;
    run.print({1}, 4);
    QSet<int> numbers;
    for (const PrintedLine& l : run.printed)
        numbers.insert(l.page);
    ASSERT_GE(numbers.size(), 3);
    EXPECT_EQ(test::pdfPages(run.pdf), numbers.size());

    const QString rule = QString(12, QLatin1Char(' ')) + QString(69, QLatin1Char('-'));
    const QStringList heading{rule, QStringLiteral("             NAME                                  INCOME         EXPENSE"), rule};
    for (int n = 2; n <= numbers.size(); ++n) {
        const QStringList lines = test::page(run.printed, n);
        ASSERT_GE(lines.size(), 5) << n;
        EXPECT_EQ(lines[0], QStringLiteral("Page :") + QString::number(n));
        EXPECT_EQ(lines.mid(1, 3), heading) << n;
    }
    // No head is lost or repeated over the breaks.
    int heads = 0;
    for (const PrintedLine& l : run.printed)
        heads += l.text.startsWith(QStringLiteral("            HEAD "));
    EXPECT_EQ(heads, 120);
    // The closing in the expense column: 16 + 15 blanks, then 9 characters in 15.
    EXPECT_EQ(test::page(run.printed, int(numbers.size())).back(),
              QString(12, QLatin1Char(' ')) + QStringLiteral("CL.Balance     ") + QString(31 + 6, QLatin1Char(' ')) +
                  QStringLiteral("10,700.00"));
}
