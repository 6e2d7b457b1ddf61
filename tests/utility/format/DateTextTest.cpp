#include "format/DateText.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace dt = pellam::datetext;

TEST(DateText, ReadsDayFirstWhateverTheLocale)
{
    const struct { const char* text; QDate date; } good[] = {
        {"05/04/2024", QDate(2024, 4, 5)}, {"5/4/2024", QDate(2024, 4, 5)}, {"05-04-2024", QDate(2024, 4, 5)},
        {"05.04.24", QDate(2024, 4, 5)},   {"1/1/99", QDate(1999, 1, 1)},  {"2024-04-05", QDate(2024, 4, 5)},
        {"29/02/2024", QDate(2024, 2, 29)}, {" 31/03/2027 ", QDate(2027, 3, 31)},
    };
    for (const auto& c : good)
        EXPECT_EQ(dt::parse(QString::fromLatin1(c.text)), c.date) << c.text;
    for (const char* bad : {"31/13/2024", "29/02/2023", "00/01/2024", "", "  /  /    ", "5/4", "abc", "5/4/2024x",
                            "123/4/2024"})
        EXPECT_EQ(dt::parse(QString::fromLatin1(bad)), std::nullopt) << bad;
    EXPECT_EQ(dt::format(QDate(2026, 12, 6)), QStringLiteral("06/12/2026"));
    EXPECT_EQ(dt::format(QDate(2027, 3, 31)), QStringLiteral("31/03/2027"));
    EXPECT_EQ(dt::format(QDate(999, 1, 2)), QDate(999, 1, 2).toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_EQ(dt::format(QDate()), QString());
}
