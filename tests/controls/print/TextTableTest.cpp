#include "print/TextTable.h"

#include "database/RecordSet.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::ctl::FieldInfo;
using pellam::ctl::TextTable;

namespace {

QString blanks(int n)
{
    return QString(n, u' ');
}

pellam::db::RecordSet heads()
{
    const QString seventy = QStringLiteral("ABCDEFGHIJ").repeated(7);
    return pellam::db::RecordSet(
        {"AccName", "accno", "AccCode", "active", "opened"}, {"TEXT", "INTEGER", "CHAR(6)", "BOOLEAN", "DATE"},
        {seventy, 1234, "CSH", 1, "2024-04-05", "BANK", QVariant(), QVariant(), 0, QVariant()});
}

} // namespace

TEST(TextTable, HeadingsFollowTheFieldTypeAndTheNamesLength)
{
    struct Case {
        const char* name;
        const char* declared;
        QString heading;
    };
    const std::vector<Case> cases = {
        {"accno", "INTEGER", blanks(10) + "ACCNO" + blanks(2)},
        {"openingbalance1", "REAL", blanks(15) + "OPENINGBALANCE1" + blanks(2)},
        {"ok", "BOOLEAN", blanks(5) + "OK"},
        {"active", "BOOLEAN", blanks(7) + "ACTIVE"},
        {"AccName", "TEXT", blanks(25) + "ACCNAME"},
        {"a_name_of_exactly_thirty_chars", "VARCHAR(80)", blanks(32) + "A_NAME_OF_EXACTLY_THIRTY_CHARS"},
        {"opened", "DATE", blanks(16) + "OPENED"},
        {"AccCode", "CHAR(6)", "ACCCODE "},
        {"cd", "CHAR(6)", "CD" + blanks(6)},
    };
    for (const Case& c : cases) {
        const auto column = TextTable::column(c.name, FieldInfo::fromDeclaredType(c.declared));
        EXPECT_EQ(TextTable::heading({column}), c.heading) << c.name;
    }
}

TEST(TextTable, ALongTextWrapsInItsOwnColumnBesideANumber)
{
    const QStringList lines = TextTable::lines(heads(), {"AccName", "accno"});
    const QString number = blanks(11) + "1234";
    const QStringList expected = {
        blanks(25) + "ACCNAME" + blanks(10) + "ACCNO  ",
        "",
        "ABCDEFGHIJABCDEFGHIJABCDEFGHIJ  " + number + "  ",
        "ABCDEFGHIJABCDEFGHIJABCDEFGHIJ  " + blanks(15) + "  ",
        "ABCDEFGHIJ" + blanks(20) + "  " + blanks(15) + "  ",
        "BANK" + blanks(26) + "  " + blanks(15) + "  ",
    };
    EXPECT_EQ(lines, expected);
}

TEST(TextTable, ValuesOfEveryKind)
{
    const QStringList lines = TextTable::lines(heads(), {"AccCode", "active", "opened"});
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "ACCCODE " + blanks(7) + "ACTIVE" + blanks(16) + "OPENED");
    EXPECT_EQ(lines[2], "CSH     " "True   " "05/04/2024" + blanks(10) + "  ");
    EXPECT_EQ(lines[3], blanks(8) + "False  " + blanks(22)) << "Null prints as blanks";
}

TEST(TextTable, LineBreaksInsideAValueDoNotBreakTheTable)
{
    const auto column = TextTable::column("narration", FieldInfo::fromDeclaredType("TEXT"));
    EXPECT_EQ(TextTable::rowLines({column}, {"two\r\nlines\tand a tab"}),
              QStringList{"two  lines and a tab" + blanks(10) + "  "});
    EXPECT_EQ(TextTable::rowLines({column}, {""}), QStringList{blanks(32)});
}
