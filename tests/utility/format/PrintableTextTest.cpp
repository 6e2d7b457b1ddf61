#include "format/PrintableText.h"

#include <gtest/gtest.h>

using pellam::printable;

TEST(Printable, EachControlCharacterAndLineBreakBecomesABlankAndNothingElseChanges)
{
    const struct {
        char16_t code;
        bool blank;
    } cases[] = {
        {0x00, true},   {0x07, true},   {0x09, true},   {0x0A, true},  {0x0D, true},  {0x1B, true},
        {0x1F, true},   {0x20, false},  {0x7E, false},  {0x7F, true},  {0x80, true},  {0x85, true},
        {0x9F, true},   {0xA0, false},  {0xE9, false},  {0x20AC, false}, {0x2028, true}, {0x2029, true},
        {0x0D05, false}, // a letter of a script of India
    };
    for (const auto& c : cases) {
        const QString text = QStringLiteral("A") + QChar(c.code) + QStringLiteral("B");
        EXPECT_EQ(printable(text), c.blank ? QStringLiteral("A B") : text) << "code " << int(c.code);
    }
    EXPECT_EQ(printable(QString()), QString());
    // A character outside the basic plane is two code units, neither a control.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x99\x8F");
    EXPECT_EQ(printable(emoji), emoji);
}
