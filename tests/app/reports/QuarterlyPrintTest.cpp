#include "PrintRun.h"
#include "QuarterlyFixture.h"
#include "reports/QuarterlyWriters.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::QuarterlyBooks;

namespace {

struct PrintRun : test::PrintRun {
    PrintRun() : test::PrintRun(0, kQuarterlyPaper) {}
    void print(const QuarterlyDocument& doc)
    {
        run([&](ReportPrinter& p) { printQuarterly(doc, p); });
    }
};

const QString kRule = QString(8, QLatin1Char(' ')) + QString(125, QLatin1Char('-')) + QLatin1Char('*') +
                      QString(31, QLatin1Char('-'));

} // namespace

TEST(QuarterlyPrint, TheStatementOnOnePageWithItsTitlesLargerThanTheBody)
{
    QuarterlyBooks books;
    PrintRun run;
    run.print(books.build(QuarterlyBooks::request("Fourth")));
    EXPECT_EQ(test::pdfPages(run.pdf), 1);

    QStringList lines = test::page(run.printed, 1);
    const std::vector<PrintedLine>& printed = run.printed;
    ASSERT_EQ(lines.size(), 18);
    const double body = printed[4].fontSize;
    // The font is the largest from 15 down to 6 that fits the rule on the
    // long side of the paper.
    PagePrinter& p = PagePrinter::instance();
    p.setFontSize(body);
    EXPECT_LT(p.TextWidth(kRule), run.printer.lineLimit());
    if (body < 15) {
        p.setFontSize(body + 1);
        EXPECT_GE(p.TextWidth(kRule), run.printer.lineLimit());
    }
    const struct {
        const char* text;
        double size;
    } titles[] = {{"ST. MARY'S SCHOOL QUARTERLY ACCOUNTS", body + 4},
                  {"ARAVURAM - 680100", body + 4},
                  {"FOURTH    Q U A R T E R L Y     S T A T E M E N T  -  '26 - '27", body + 2}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i + 1].trimmed(), QString::fromLatin1(titles[i].text));
        EXPECT_GT(lines[i + 1].size() - lines[i + 1].trimmed().size(), 5) << "centred";
        EXPECT_EQ(printed[size_t(i + 1)].fontSize, titles[i].size) << titles[i].text;
        lines[i + 1] = QStringLiteral("<centred>");
    }
    for (size_t i = 4; i < printed.size(); ++i)
        EXPECT_EQ(printed[i].fontSize, body) << i;
    EXPECT_EQ(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), test::expected(QStringLiteral("quarterly_print_fourth.txt")));
}

TEST(QuarterlyPrint, AHeadThatFindsThePageFullStartsANewPageWithTheHeadingsAgain)
{
    QuarterlyBooks books;
    for (int i = 0; i < 150; ++i) {
        const int accno = 100 + i;
        books.conn().execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(?, ?, ?)"),
                             {accno, QStringLiteral("H%1").arg(i), QStringLiteral("HEAD %1").arg(i, 3, 10, QLatin1Char('0'))});
        books.conn().execute(QStringLiteral("insert into shopacc(accno, Shopid) values(?, 1)"), {accno});
    }
    PrintRun run;
    run.print(books.build(QuarterlyBooks::request("First", true)));
    QSet<int> numbers;
    for (const PrintedLine& l : run.printed)
        numbers.insert(l.page);
    ASSERT_GE(numbers.size(), 2);
    EXPECT_EQ(test::pdfPages(run.pdf), numbers.size());

    const QStringList first = test::page(run.printed, 1);
    const QStringList second = test::page(run.printed, 2);
    ASSERT_GE(second.size(), 6);
    EXPECT_EQ(second[0], QStringLiteral("Page :2"));
    // The rule one dash longer before its star, then the captions and the
    // column heading as on the first page.
    EXPECT_EQ(second[1], QString(8, QLatin1Char(' ')) + QString(126, QLatin1Char('-')) + QLatin1Char('*') +
                             QString(31, QLatin1Char('-')));
    EXPECT_EQ(second.mid(2, 2), first.mid(5, 2));
    // A head and its rule stay together: the page ends after a rule and
    // the next begins with a head.
    EXPECT_EQ(first.back(), QString(9, QLatin1Char(' ')) + kRule.trimmed());
    EXPECT_TRUE(second[4].startsWith(QStringLiteral("         HEAD "))) << second[4].toStdString();
    EXPECT_TRUE(test::page(run.printed, int(numbers.size())).back().startsWith(QStringLiteral("        CL.Balance")));
}
