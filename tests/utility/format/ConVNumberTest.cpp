#include "PellamUtility.h"
#include "dialogs/ScriptedDialogs.h"
#include "format/AmountWords.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::PellamUtility;

TEST(SpellNumber, WritesWholeNumbersWithIndianUnits)
{
    const struct { int value; const char* words; } cases[] = {
        {5, "Five"},
        {19, "Ninteen"},
        {21, "Twenty One"},
        {90, "Ninty"},
        {100, "One Hundred "},
        {105, "One Hundred Five"},
        {1000, "One Thousand "},
        {12345, "Twelve Thousand Three Hundred Forty Five"},
        {123456, "One Lakh Twenty Three Thousand Four Hundred Fifty Six"},
        {1500000, "Fifteen Lakh "},
        {10000000, "One Crore "},
        {2147483647, "Two Hundred Fourteen Crore Seventy Four Lakh Eighty Three Thousand Six Hundred Forty Seven"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PellamUtility::SpellNumber(c.value), QString::fromLatin1(c.words)) << c.value;
}

TEST(NumberWord, RefusesAnIndexOutsideTheTable)
{
    EXPECT_EQ(PellamUtility::NumberWord(31), QStringLiteral("Crore"));
    for (int bad : {0, 32, -1}) {
        try {
            PellamUtility::NumberWord(bad);
            FAIL() << bad;
        } catch (const pellam::PellamError& e) {
            EXPECT_EQ(e.Number(), 9);
            EXPECT_EQ(e.Description(), QStringLiteral("Subscript out of range"));
        }
    }
}

TEST(ConVNumber, WritesAmountsInWords)
{
    pellam::ScriptedDialogsGuard scripted;
    const PellamUtility util;
    const struct { QVariant amount; bool rupees; const char* words; } cases[] = {
        {100.50, true, " Rupees One Hundred  and Fifty Paise "},
        {100.50, false, "One Hundred  and Fifty"},
        {0, true, ""},
        {0, false, ""},
        {0.5, true, "Fifty Paise "},
        {0.05, false, "Five"},
        {7, true, " Rupees Seven"},
        {0.004, true, " Paise "},
        {0.004, false, ""},
        {-5.25, false, "Twenty Five"},
        {-5, false, ""},
        {1000000000, false, "One Hundred  Crore "},
        {QStringLiteral("1234.56"), true, " Rupees One Thousand Two Hundred Thirty Four and Fifty Six Paise "},
        {QVariant(), true, ""},
        {12.345, false, "Twelve and Thirty Four"},  // half to even
    };
    for (const auto& c : cases)
        EXPECT_EQ(util.ConVNumber(c.amount, c.rupees), QString::fromLatin1(c.words)) << c.amount.toString().toStdString();
    EXPECT_TRUE(scripted->messages().empty());
}

TEST(ConVNumber, ReportsWhatItCannotSpell)
{
    pellam::ScriptedDialogsGuard scripted;
    const PellamUtility util;
    EXPECT_EQ(util.ConVNumber(QStringLiteral("twelve"), true), QString());
    // Rupees beyond the 32-bit range: the words leave the rupees out.
    EXPECT_EQ(util.ConVNumber(3000000000.25, true), QStringLiteral("Twenty Five Paise "));
    ASSERT_EQ(scripted->messages().size(), 2u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral(" An Error occured The Result may be Invalid !!!\r\r The Error is :-Type mismatch"));
    EXPECT_EQ(scripted->messages()[1].text,
              QStringLiteral(" An Error occured The Result may be Invalid !!!\r\r The Error is :-Overflow"));
    EXPECT_EQ(scripted->messages()[1].icon, pellam::MessageIcon::Information);
}

TEST(ConVNumber, SpellsRupeesUpToTheLargest32BitWholeNumber)
{
    const struct { const char* amount; bool spelt; } cases[] = {
        {"2147483647.99", true},  {"2147483647.994", true}, {"2147483647.995", false}, // rounded to paise first
        {"2147483648", false},    {"99999999999", false},   {"-2147483647.99", true},
        {"-2147483648", false},   {"0", true},              {"0.004", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pellam::words::canSpell(*pellam::Currency::parse(QString::fromLatin1(c.amount))), c.spelt) << c.amount;

    // What canSpell allows, the words spell whole; one rupee more is an overflow.
    pellam::ScriptedDialogsGuard scripted;
    const PellamUtility util;
    EXPECT_EQ(util.ConVNumber(QStringLiteral("2147483647.99")),
              QStringLiteral("Two Hundred Fourteen Crore Seventy Four Lakh Eighty Three Thousand Six Hundred Forty "
                             "Seven and Ninty Nine"));
    EXPECT_TRUE(scripted->messages().empty());
    EXPECT_EQ(util.ConVNumber(QStringLiteral("2147483648.99")), QStringLiteral("Ninty Nine"));
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_TRUE(scripted->messages()[0].text.endsWith(QStringLiteral("Overflow")));
}
