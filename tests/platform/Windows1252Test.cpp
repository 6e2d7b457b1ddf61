#include "text/Windows1252.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace cp = pellam::windows1252;

TEST(Windows1252, MapsTheWesternPageBothWays)
{
    EXPECT_EQ(cp::code(QChar(u'A')), 65);
    EXPECT_EQ(cp::code(QChar(u'\u00C5')), 197); // Å
    EXPECT_EQ(cp::code(QChar(u'\u20AC')), 0x80); // €
    EXPECT_EQ(cp::code(QChar(u'\u2019')), 0x92); // ’
    EXPECT_EQ(cp::code(QChar(u'\u20B9')), '?');  // ₹ is not in the page
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(cp::code(cp::character(c)), c) << c;
    EXPECT_EQ(cp::encode(QStringLiteral("St. Mary\u2019s \u20AC5")), QByteArray("St. Mary\x92s \x80" "5"));
    EXPECT_EQ(cp::decode(QByteArray("\x80\xC5")), QStringLiteral("\u20AC\u00C5"));
    EXPECT_TRUE(cp::covers(QStringLiteral("Who? \u20AC5 \u00C5")));
    EXPECT_FALSE(cp::covers(QStringLiteral("\u20B9 5")));
}
