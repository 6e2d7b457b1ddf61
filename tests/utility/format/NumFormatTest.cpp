#include "PellamUtility.h"
#include "format/IndianNumberFormat.h"
#include "dialogs/ScriptedDialogs.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::PellamUtility;

namespace {

struct Case {
    const char* digits;
    short width;
    short decimals;
    const char* expected;
};

} // namespace

TEST(NumFormat, GroupsTheIndianWayAndAlignsRight)
{
    pellam::ScriptedDialogsGuard scripted;
    const PellamUtility util;
    const Case cases[] = {
        {"1234567.5", 15, 2, "   12,34,567.50"},
        {"100", 10, 2, "    100.00"},
        {"1000.05", 8, 2, "1,000.05"},
        {"100000", 10, 2, "1,00,000.00"},  // wider than the column: unpadded
        {"5.125", 8, 2, "   5.125"},      // a longer fraction is neither cut nor rounded
        {"12", 6, 0, "   12."},
        {"12.5", 6, 0, "  12.5"},
        {".5", 6, 2, "  0.50"},
        {"", 5, 2, " 0.00"},
        {"-1234.5", 10, 2, "  -1234.50"},  // negatives are not grouped
        {"1,234", 8, 2, "    1.00"},       // a separator ends the number
        {"123456", 3, 2, "1,23,456.00"},
        {"12", 1, 2, "12.00"},
        {"999", 6, 2, "999.00"},
        {"1000", 8, 2, "1,000.00"},
        {"123456789012", 18, 2, "1,23,45,67,89,012.00"},
        {"10000000", 12, 2, "1,00,00,000.00"},
        {"12.00", 8, 2, "   12.00"},
        {"7.", 6, 2, "  7.00"},
        {"abc", 6, 2, "  0.00"},
        {"-", 6, 2, "  0.00"},
        {"-0.5", 6, 2, " -0.50"},          // a negative under one rupee keeps its sign
        {"12345.678", 12, 3, "  12,345.678"},
        {"-0.00", 6, 2, "  0.00"},         // minus nothing is nothing
        {"-0", 6, 2, "  0.00"},
        {"-0012.5", 8, 2, "  -12.50"},
        {"0005", 6, 2, "  5.00"},
        {"999999999999999999", 1, 2, "9,99,99,99,99,99,99,99,999.00"},
        {"1234567.5x", 15, 2, "   12,34,567.5x"},
        {" 1234", 9, 2, " 1,234.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(util.NumFormat(QString::fromLatin1(c.digits), c.width, c.decimals), QString::fromLatin1(c.expected))
            << c.digits << " in " << c.width;
    EXPECT_TRUE(scripted->messages().empty());
}

TEST(NumFormat, SetsANegativeDecimalCountToZeroInTheCallersVariable)
{
    const PellamUtility util;
    short places = -3;
    EXPECT_EQ(util.NumFormat(QStringLiteral("12"), 6, places), QStringLiteral("   12."));
    EXPECT_EQ(places, 0);
    int widthAsInt = 8;
    EXPECT_EQ(util.NumFormat(QStringLiteral("1000"), widthAsInt), QStringLiteral("1,000.00"));
}

TEST(NumFormat, ReportsAnIntegerPartBeyondItsRangeOnEitherSide)
{
    const PellamUtility util;
    struct Edge {
        const char* digits;
        const char* expected;
        bool overflow;
    };
    const Edge edges[] = {
        {"99999999999999999999", "99999999999999999999.00", true},
        {"-99999999999999999999", "-99999999999999999999.00", true},
        {"-99999999999999999999.5", "-99999999999999999999.50", true},
        {"9200000000000000000", "9200000000000000000.00", true},
        {"-9200000000000000000", "-9200000000000000000.00", true},
        // The last whole numbers inside the range keep every digit.
        {"9199999999999999999", "91,99,99,99,99,99,99,99,999.00", false},
        {"-9199999999999999999", "-9199999999999999999.00", false},
    };
    for (const Edge& e : edges) {
        pellam::ScriptedDialogsGuard scripted;
        EXPECT_EQ(util.NumFormat(QString::fromLatin1(e.digits), 10), QString::fromLatin1(e.expected)) << e.digits;
        if (!e.overflow) {
            EXPECT_TRUE(scripted->messages().empty()) << e.digits;
            continue;
        }
        ASSERT_EQ(scripted->messages().size(), 1u) << e.digits;
        EXPECT_EQ(scripted->messages()[0].text,
                  QStringLiteral(" An Error occured while formating the number Result may be invalid !!!\r\r The Error is :-Overflow"));
        EXPECT_EQ(scripted->messages()[0].icon, pellam::MessageIcon::Information);
        EXPECT_EQ(scripted->messages()[0].title, PellamUtility::kTitle);
    }
}

TEST(NumFormat, AmountsFormatLikeTheirPlainText)
{
    const PellamUtility util;
    // Every kind of amount a report prints: signs, grouping edges, paise.
    const char* amounts[] = {"0",          "0.05",      "-0.05",        "-0.5",          "7",
                             "999.99",     "1000",      "-1000",        "1234567.5",     "99999.99",
                             "100000",     "-123456.78", "12345678901.23", "922337203685.47", "10000000"};
    for (const char* a : amounts) {
        const pellam::Currency c = *pellam::Currency::parse(QString::fromLatin1(a));
        for (int width : {1, 12, 15})
            EXPECT_EQ(pellam::formatIndianAmount(c, width), util.NumFormat(c.toString(2), short(width))) << a << " in " << width;
    }
}
