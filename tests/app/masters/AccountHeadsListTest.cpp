#include "masters/AccountHeadsList.h"

#include "support/QtPrinters.h"

#include "ExpectedHeadsList.h"

#include <gtest/gtest.h>

using namespace pellam::masters;

namespace {

const QDateTime kAfternoon(QDate(2026, 6, 5), QTime(15, 4, 5));

} // namespace

TEST(AccountHeadsList, LaysOutTheHeadsUnderTheTitle)
{
    const QStringList lines = AccountHeadsList::lines(
        {{"CASH", "CASH A/C", true}, {"A1B2C3D4E5", "ST. MARY'S \"FEAST\""}, {" FEE ", "FEES  "}}, kAfternoon);
    const QStringList expected = pellam::test::kHeadsListHeading + QStringList{
        "1  CASH      CASH A/C                        Yes",
        "2  A1B2C3D4E5ST. MARY'S \"FEAST\"",
        "3  FEE       FEES  ",
        "",
        "Run Date :05-06-2026 03:04:05 PM",
        "",
        "",
    };
    EXPECT_EQ(lines, expected);
}

TEST(AccountHeadsList, ControlCharactersInACodeOrNameAreBlanksAndAddNoLine)
{
    const QStringList lines = AccountHeadsList::lines(
        {{"\tDON\x1b", "DONATIONS\n07/05/2025 By CASH A/C 99,99,999.00"}, {"FEE", "FEES\r\x1b@\x07"}}, kAfternoon);
    const QStringList expected = pellam::test::kHeadsListHeading + QStringList{
        "1  DON       DONATIONS 07/05/2025 By CASH A/C 99,99,999.00",
        "2  FEE       FEES  @ ",
        "",
        "Run Date :05-06-2026 03:04:05 PM",
        "",
        "",
    };
    EXPECT_EQ(lines, expected);
}

TEST(AccountHeadsList, TheSerialNumberTakesThreeCharactersUpTo999)
{
    std::vector<ListedHead> heads;
    for (int i = 1; i <= 1000; ++i)
        heads.push_back({QStringLiteral("C%1").arg(i), QStringLiteral("NAME")});
    const QStringList lines = AccountHeadsList::lines(heads, kAfternoon);
    ASSERT_EQ(lines.size(), 5 + 1000 + 4);
    const struct {
        int serial;
        const char* line;
    } cases[] = {
        {1, "1  C1        NAME"},    {9, "9  C9        NAME"},     {10, "10 C10       NAME"},
        {99, "99 C99       NAME"},   {100, "100C100      NAME"},   {999, "999C999      NAME"},
        {1000, "1000C1000     NAME"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines[4 + c.serial], QString::fromLatin1(c.line)) << c.serial;
}

TEST(AccountHeadsList, RunDateIsTwelveHourWithAmOrPm)
{
    EXPECT_EQ(AccountHeadsList::runDateLine(QDateTime(QDate(2027, 3, 31), QTime(0, 30, 0))),
              QStringLiteral("Run Date :31-03-2027 12:30:00 AM"));
    EXPECT_EQ(AccountHeadsList::runDateLine(QDateTime(QDate(2026, 12, 1), QTime(12, 0, 9))),
              QStringLiteral("Run Date :01-12-2026 12:00:09 PM"));
}
