#include "data/DatePattern.h"

#include <gtest/gtest.h>

using pellam::data::DatePattern;

TEST(DatePattern, ReadsTheDatesBanksWrite)
{
    struct Case {
        const char* pattern;
        const char* text;
        QDate date;   // invalid: no date
    };
    const Case cases[] = {
        {"dd/mm/yyyy", "05/04/2026", QDate(2026, 4, 5)},
        {"dd/mm/yyyy", "5/4/2026", QDate(2026, 4, 5)},
        {"d/m/yy", "31/3/27", QDate(2027, 3, 31)},
        {"dd-mmm-yyyy", "02-Apr-2026", QDate(2026, 4, 2)},
        {"DD-MMM-YY", "02-SEPT-26", QDate(2026, 9, 2)},
        {"dd mmm yyyy", "2 April 2026", QDate(2026, 4, 2)},
        {"yyyy-mm-dd", "2026-04-02", QDate(2026, 4, 2)},
        {"dd/mm/yyyy", " 05/04/2026 10:22:13 ", QDate(2026, 4, 5)},   // a time after it
        {"mm/dd/yyyy", "04/05/2026", QDate(2026, 4, 5)},
        {"dd/mm/yyyy", "31/04/2026", {}},                            // no such day
        {"dd/mm/yyyy", "05-04-2026", {}},                            // another separator
        {"dd/mm/yyyy", "05/04/26", {}},                              // a short year
        {"dd/mm/yy", "05/04/2026", {}},                              // a long one
        {"dd-mmm-yyyy", "02-Apx-2026", {}},
        {"dd/mm/yyyy", "05/04/2026x", {}},
        {"dd/mm/yyyy", "", {}},
    };
    for (const Case& c : cases) {
        const std::optional<DatePattern> pattern = DatePattern::read(QString::fromLatin1(c.pattern));
        ASSERT_TRUE(pattern) << c.pattern;
        EXPECT_EQ(pattern->dateOf(QString::fromLatin1(c.text)).value_or(QDate()), c.date) << c.pattern << " " << c.text;
    }
}

TEST(DatePattern, APatternNeedsADayAMonthAndAYearOnceEach)
{
    for (const char* bad : {"dd/mm", "mm/yyyy", "dd/dd/yyyy", "ddd/mm/yyyy", "dd/mm/yyy", "dd/mm/yyyy hh", ""})
        EXPECT_FALSE(DatePattern::read(QString::fromLatin1(bad))) << bad;
}
