#include "QuarterlyFixture.h"
#include "reports/QuarterlyWriters.h"
#include "TextLines.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::QuarterlyBooks;

namespace {

QString text(const QuarterlyDocument& doc)
{
    return test::textFile(doc);
}

} // namespace

TEST(QuarterlyText, MatchesTheLayoutLineForLine)
{
    QuarterlyBooks books;
    // The first quarter's total is its months; the fourth's runs from April
    // and carries a rule under every head.
    struct Case {
        const char* quarter;
        bool lines;
        const char* file;
    };
    for (const Case& c : {Case{"First", false, "quarterly_first.txt"}, Case{"Fourth", true, "quarterly_fourth_lines.txt"}})
        EXPECT_EQ(text(books.build(QuarterlyBooks::request(c.quarter, c.lines))), test::expected(QString::fromLatin1(c.file)))
            << c.file;
}

TEST(QuarterlyText, EachQuarterTakesItsMonthsAndTheEarlierMonthsIntoTheTotal)
{
    QuarterlyBooks books;
    // SALARIES: 800.00 paid in April, 45.50 in December, 300.00 in January
    // and 600.00 in March; cash 7,500.00 at the start of the year.
    struct Case {
        const char* quarter;
        const char* captions;
        const char* salaries;
        const char* opening;
    };
    for (const Case& c : {
             Case{" first ", "  APRIL  |   MAY   |  JUNE   ", "800.00", "7,500.00"},
             Case{"SECOND", "  JULY   | AUGUST  |SEPTEMBER", "800.00", "8,400.00"},
             Case{"Third", " OCTOBER |NOVEMBER |DECEMBER ", "845.50", "8,400.00"},
             Case{"fourth", " JANUARY | FEBRUARY|  MARCH  ", "1,745.50", "1,31,811.28"},
         }) {
        const QStringList lines = test::textLines(books.build(QuarterlyBooks::request(c.quarter)));
        const QString months = lines[3].mid(46, 9) + QLatin1Char('|') + lines[3].mid(77, 9) + QLatin1Char('|') +
                               lines[3].mid(111, 9);
        EXPECT_EQ(months, QString::fromLatin1(c.captions)) << c.quarter;
        const QString salaries = lines.filter(QStringLiteral(" SALARIES")).value(0);
        EXPECT_EQ(salaries.mid(139).trimmed(), QString::fromLatin1(c.salaries)) << c.quarter;
        EXPECT_EQ(lines[lines.size() - 3].mid(31, 15).trimmed(), QString::fromLatin1(c.opening)) << c.quarter;
    }
}
