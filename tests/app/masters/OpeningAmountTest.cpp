#include "masters/OpeningAmount.h"

#include <gtest/gtest.h>

using namespace pellam::masters;

TEST(OpeningAmount, TypedTextsBecomePaiseOrAreRefused)
{
    const struct {
        const char* typed;
        qint64 paise; // -1: refused
    } cases[] = {
        {"1500", 150000}, {"1500.5", 150050}, {" 25 ", 2500}, {".75", 75}, {"0", 0},
        {"12.345", 1234}, {"12.355", 1236}, // half to even
        {"1.2.3", -1}, {"", -1}, {"  ", -1}, {".", -1}, {"-5", -1}, {"12a", -1}, {"1,500", -1},
        {"99999999999999999999", -1},
        // Up to the largest amount the words spell, rounded to paise first.
        {"2147483647.99", 214748364799}, {"2147483647.995", -1}, {"2147483648", -1}, {"99999999999", -1},
    };
    for (const auto& c : cases) {
        const auto amount = openingamount::parse(QString::fromLatin1(c.typed));
        EXPECT_EQ(amount ? amount->paise() : -1, c.paise) << c.typed;
    }
}

TEST(OpeningAmount, StoredAmountsReadAsTyped)
{
    EXPECT_EQ(openingamount::text(150000), QStringLiteral("1500"));
    EXPECT_EQ(openingamount::text(150050), QStringLiteral("1500.5"));
    EXPECT_EQ(openingamount::text(7), QStringLiteral("0.07"));
    EXPECT_EQ(openingamount::text(0), QStringLiteral("0"));
    EXPECT_EQ(openingamount::text(1000), QStringLiteral("10"));
}
