#include "QuarterlyFixture.h"
#include "RecordingSheet.h"
#include "WorkbookMade.h"
#include "dialogs/ScriptedDialogs.h"
#include "reports/QuarterlyReport.h"
#include "reports/QuarterlyWriters.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::QuarterlyBooks;
using test::RecordingSheet;

TEST(QuarterlySheet, MonthFiguresPerHeadWithTheQuartersTotalAsFormulas)
{
    QuarterlyBooks books;
    RecordingSheet sheet;
    writeQuarterlySheet(books.build(QuarterlyBooks::request("Fourth")), sheet);
    // The total columns cover January to March alone, unlike the text's.
    const QMap<QString, QString> cells{
        {"C2", "t:Quarter Report"},
        {"C3", "t: JANUARY "}, {"E3", "t: FEBRUARY"}, {"G3", "t:  MARCH  "}, {"I3", "t:TOTAL"},
        {"B4", "t:ACCOUNT"}, {"C4", "t:INCOME"}, {"D4", "t:EXPENSE"}, {"E4", "t:INCOME"}, {"F4", "t:EXPENSE"},
        {"G4", "t:INCOME"}, {"H4", "t:EXPENSE"}, {"I4", "t:INCOME"}, {"J4", "t:EXPENSE"},
        {"B5", "t:DONATIONS"}, {"C5", "n:1300.00"}, {"D5", "n:0.00"}, {"E5", "n:0.00"}, {"F5", "n:0.00"},
        {"G5", "n:0.00"}, {"H5", "n:0.00"}, {"I5", "f:=C5+E5+G5=1300.00"}, {"J5", "f:=D5+F5+H5=0.00"},
        {"B6", "t:REPAIRS"}, {"C6", "n:0.00"}, {"D6", "n:0.00"}, {"E6", "n:0.00"}, {"F6", "n:0.00"},
        {"G6", "n:0.00"}, {"H6", "n:0.00"}, {"I6", "f:=C6+E6+G6=0.00"}, {"J6", "f:=D6+F6+H6=0.00"},
        {"B7", "t:SALARIES"}, {"C7", "n:0.00"}, {"D7", "n:300.00"}, {"E7", "n:0.00"}, {"F7", "n:0.00"},
        {"G7", "n:0.00"}, {"H7", "n:600.00"}, {"I7", "f:=C7+E7+G7=0.00"}, {"J7", "f:=D7+F7+H7=900.00"},
        {"B8", "t:TUITION FEES RECEIVED FROM THE PARENTS"}, {"C8", "n:0.00"}, {"D8", "n:0.00"}, {"E8", "n:0.00"},
        {"F8", "n:0.00"}, {"G8", "n:0.05"}, {"H8", "n:0.00"}, {"I8", "f:=C8+E8+G8=0.05"}, {"J8", "f:=D8+F8+H8=0.00"}};
    EXPECT_EQ(sheet.cells, cells);
    EXPECT_EQ(sheet.merged, (QStringList{"C2:J2", "C3:D3", "E3:F3", "G3:H3", "I3:J3"}));
    EXPECT_EQ(sheet.headingRows, (QList<int>{3, 4}));
}

TEST(QuarterlySheet, TheExcelRouteWritesARealWorkbook)
{
    QuarterlyBooks books;
    ScriptedDialogsGuard scripted;
    scripted->answerFile(books.home.file(QStringLiteral("quarter"))).answer(MessageAnswer::No);
    QuarterlyReport(QuarterlyBooks::request("First"), QuarterlyToExcel);
    test::expectWorkbookMade(scripted, books.home.file(QStringLiteral("quarter.xlsx")));
}
