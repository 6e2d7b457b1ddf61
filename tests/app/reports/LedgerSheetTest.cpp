#include "LedgerFixture.h"
#include "RecordingSheet.h"
#include "WorkbookMade.h"
#include "dialogs/ScriptedDialogs.h"
#include "reports/LedgerBuilder.h"
#include "reports/LedgerReport.h"
#include "reports/LedgerWriters.h"
#include "support/QtPrinters.h"
#include "system/AppFolders.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::LedgerBooks;

using test::RecordingSheet;

TEST(LedgerSheet, EachHeadUnderItsTitlesWithOpeningsVouchersAndFormulas)
{
    LedgerBooks books;
    LedgerRequest r = LedgerBooks::request();
    r.reference = ReportReference::JouNo;
    r.narration = true;
    RecordingSheet sheet;
    writeLedgerSheet(LedgerBuilder(state().Conn).build(r), sheet);

    // Each block under the report's title, the head's name and the period.
    const QMap<QString, QString> building{
        {"B3", "t:ST. MARY'S SCHOOL LEDGER"}, {"B4", "t:Ledger report  of BUILDING FUND"},
        {"B5", "t:From 01/05/2026   ---> To 31/03/2027"},
        {"B6", "t:B/V No"}, {"C6", "t:J/F No"}, {"D6", "t:Date"}, {"E6", "t:Account Name"}, {"F6", "t:Debit"},
        {"G6", "t:Credit"}, {"E7", "t:By Balance B/d"}, {"G7", "n:0.00"}, {"F8", "f:=sum(f7:f7)=0.00"},
        {"G8", "f:=sum(g7:g7)=0.00"}, {"F9", "f:=g8-f8=0.00"}};
    EXPECT_EQ(sheet.rows(1, 11), building);
    // Each head's heading row heads the rows after it, on a continued sheet too.
    EXPECT_EQ(sheet.headingRows.mid(0, 2), (QList<int>{6, 15}));

    const QMap<QString, QString> donations{
        {"B12", "t:ST. MARY'S SCHOOL LEDGER"}, {"B13", "t:Ledger report  of DONATIONS"},
        {"B14", "t:From 01/05/2026   ---> To 31/03/2027"},
        {"B15", "t:B/V No"}, {"C15", "t:J/F No"}, {"D15", "t:Date"}, {"E15", "t:Account Name"}, {"F15", "t:Debit"},
        {"G15", "t:Credit"},
        {"E16", "t:By Balance B/d"}, {"G16", "n:5000.00"},
        {"B17", "t:3"}, {"D17", "d:2026-05-01"}, {"E17", "t:CASH A/C"}, {"G17", "n:1234567.50"},
        {"E18", "t:[RECEIVED FROM ST. MARY'S PARISH]"},
        {"B19", "t:5"}, {"D19", "d:2026-06-15"}, {"E19", "t:ST. MARY'S FEES"}, {"F19", "n:100.00"},
        {"B20", "t:7"}, {"D20", "d:2026-08-31"}, {"E20", "t:CASH A/C"}, {"G20", "n:200000.00"},
        {"E21", "t:[ANNUAL DONATION FROM THE OLD STUDENTS ASSOCIATION FOR THE NEW LIBRARY BUILDING]"},
        {"B22", "t:10"}, {"D22", "d:2027-03-31"}, {"E22", "t:CASH A/C"}, {"G22", "n:50.00"},
        {"F23", "f:=sum(f16:f22)=100.00"}, {"G23", "f:=sum(g16:g22)=1439617.50"},
        {"F24", "f:=g23-f23=1439517.50"}};
    EXPECT_EQ(sheet.rows(12, 26), donations);

    EXPECT_EQ(sheet.cells.value(QStringLiteral("B28")), QStringLiteral("t:Ledger report  of ST. MARY'S FEES"));
    // Fees: a debit balance, so the balance stands in the credit column.
    EXPECT_EQ(sheet.cells.value(QStringLiteral("F31")), QStringLiteral("n:2750.50"));
    EXPECT_EQ(sheet.cells.value(QStringLiteral("G40")), QStringLiteral("f:=f39-g39=2926.49"));
    EXPECT_FALSE(sheet.cells.contains(QStringLiteral("F40")));
}

TEST(LedgerSheet, TheRunWritesARealWorkbookWhereTheUserNamedIt)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    scripted->answerFile(books.home.file(QStringLiteral("ledger"))).answer(MessageAnswer::No);
    LedgerReport(LedgerBooks::request(), LedgerExcel);
    test::expectWorkbookMade(scripted, books.home.file(QStringLiteral("ledger.xlsx")));
    // Not the temporary folder, where nobody looks for a workbook.
    EXPECT_FALSE(scripted->files()[0].folder.startsWith(AppFolders::temp()));
}
