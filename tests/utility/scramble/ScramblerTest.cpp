#include "PellamUtility.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::PellamUtility;

TEST(EnCrypt, ShiftsByTheFirstCharacterAndThePosition)
{
    const PellamUtility util;
    const struct { QString plain; QString scrambled; } cases[] = {
        {QStringLiteral("abc"), QStringLiteral("amo")},
        {QStringLiteral("x"), QStringLiteral("x")},
        {QStringLiteral("   "), QString()},
        {QString(), QString()},
        // A leading blank (code 32) gives the shift 3 and stays.
        {QStringLiteral(" ab"), QString(QChar(32)) + QChar(97 + 3 + 2) + QChar(98 + 3 + 3)},
        // 'A' (65) shifts by 6: '1' (49) + 6 + 2 = 57 '9'.
        {QStringLiteral("A1"), QStringLiteral("A9")},
        // Only blanks are blank: '\u203A' (155) + 3 + 2 = 160 is the no-break
        // space, and that text still unscrambles.
        {QStringLiteral(" \u203A"), QStringLiteral(" \u00A0")},
        {QStringLiteral("\t"), QStringLiteral("\t")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(util.EnCrypt(c.plain), c.scrambled) << c.plain.toStdString();
        if (!c.plain.trimmed().isEmpty()) {
            EXPECT_EQ(util.DeCrypt(c.scrambled), c.plain) << c.plain.toStdString();
        }
    }
    EXPECT_EQ(util.DeCrypt(QStringLiteral("amo")), QStringLiteral("abc"));
    EXPECT_EQ(util.DeCrypt(QStringLiteral("  ")), QString());
}

TEST(EnCrypt, WorksOnWesternCodesSoOldScrambledTextsStillRead)
{
    const PellamUtility util;
    // 'z' (122) shifts by 1: 'y' (121) + 1 + 2 = 124 '|'; '~' (126) + 1 + 3 = 130, the low quote of the page.
    EXPECT_EQ(util.EnCrypt(QStringLiteral("zy~")), QStringLiteral("z|\u201A"));
    EXPECT_EQ(util.DeCrypt(QStringLiteral("z|\u201A")), QStringLiteral("zy~"));
    const QString password = QStringLiteral("Merion@2026");
    EXPECT_EQ(util.DeCrypt(util.EnCrypt(password)), password);
}

TEST(EnCrypt, DropsCharactersShiftedOutOfThePage)
{
    const PellamUtility util;
    // 'a' gives 9; '\u00FF' (255) + 9 + 3 leaves the page and is lost.
    const QString scrambled = util.EnCrypt(QStringLiteral("ab\u00FF"));
    EXPECT_EQ(scrambled, QStringLiteral("am"));
    EXPECT_NE(util.DeCrypt(scrambled), QStringLiteral("ab\u00FF"));
}
