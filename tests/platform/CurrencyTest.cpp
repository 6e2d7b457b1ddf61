#include "errors/PellamError.h"
#include "types/Currency.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::Currency;

TEST(Currency, ParsesPlainAmountTextExactly)
{
    struct Case { const char* text; const char* twoPlaces; };
    const Case cases[] = {
        {"1234.5", "1234.50"}, {"-.75", "-0.75"}, {" 12 ", "12.00"}, {"+3", "3.00"},
        {"0.125", "0.12"},     // half to even
        {"0.135", "0.14"},
        {"0.00005", "0.00"},   // fifth place rounds half to even into 0.0000
        {"92233720368547.5807", "92233720368547.58"},
    };
    for (const auto& c : cases) {
        const auto v = Currency::parse(QString::fromLatin1(c.text));
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(v->toString(2), QString::fromLatin1(c.twoPlaces)) << c.text;
    }
    for (const char* bad : {"", "-", ".", "1,234", "12a", "1.2.3", "1e3"})
        EXPECT_FALSE(Currency::parse(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(Currency, AddsExactlyAndRoundsHalfToEven)
{
    Currency sum;
    for (int i = 0; i < 10; ++i)
        sum += *Currency::parse(u"0.10");
    EXPECT_EQ(sum, Currency::fromRupees(1));
    EXPECT_EQ(Currency::fromDouble(0.1 + 0.2).toString(4), QStringLiteral("0.3000"));
    EXPECT_EQ(Currency::parse(u"2.345")->paise(), 234);
    EXPECT_EQ(Currency::parse(u"2.355")->paise(), 236);
    EXPECT_EQ(Currency::parse(u"-2.345")->paise(), -234);
    EXPECT_EQ(Currency::fromPaise(-5).toString(), QStringLiteral("-0.05"));
}

TEST(Currency, OverflowIsAnError)
{
    const Currency big = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    try {
        (void)(big + Currency::fromRaw(1));
        FAIL() << "no overflow";
    } catch (const pellam::PellamError& e) {
        EXPECT_EQ(e.Number(), 6);
        EXPECT_EQ(e.Description(), QStringLiteral("Overflow"));
    }
}

TEST(Currency, ItsEdgesReadBackFromTheirOwnTextAndOneStepBeyondIsAnError)
{
    const Currency lowest = Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    const Currency highest = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    struct Edge { const char* text; Currency value; };
    const Edge inside[] = {
        {"-922337203685477.5808", lowest},
        {"922337203685477.5807", highest},
        {"-922337203685477.58075", lowest},   // the fifth place rounds half to even, onto the edge
        {"+922337203685477.5807", highest},
        {"-922337203685477", Currency::fromRupees(-922337203685477)},
    };
    for (const Edge& e : inside) {
        const auto v = Currency::parse(QString::fromLatin1(e.text));
        ASSERT_TRUE(v.has_value()) << e.text;
        EXPECT_EQ(*v, e.value) << e.text;
    }
    for (const Currency edge : {lowest, highest})
        EXPECT_EQ(Currency::parse(edge.toString(4)), edge) << edge.toString(4).toStdString();

    for (const char* beyond : {"-922337203685477.5809", "922337203685477.5808", "922337203685477.58075",
                               "-922337203685478", "-99999999999999999999"}) {
        try {
            (void)Currency::parse(QString::fromLatin1(beyond));
            ADD_FAILURE() << beyond << " read without an error";
        } catch (const pellam::PellamError& e) {
            EXPECT_EQ(e.Description(), QStringLiteral("Overflow")) << beyond;
        }
    }
}
