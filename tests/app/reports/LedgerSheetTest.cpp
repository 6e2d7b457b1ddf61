#include "LedgerFixture.h"
#include "RecordingSheet.h"
#include "WorkbookMade.h"
#include "dialogs/ScriptedDialogs.h"
#include "reports/LedgerBuilder.h"
#include "reports/LedgerReport.h"
#include "reports/LedgerSheet.h"
#include "support/QtPrinters.h"
#include "system/AppFolders.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::LedgerBooks;

using test::RecordingSheet;

TEST(LedgerSheet, HeadsOpeningsVouchersAndFormulasWithTheirValues)
{
    LedgerBooks books;
    LedgerRequest r = LedgerBooks::request();
    r.reference = ReportReference::JouNo;
    r.narration = true;
    RecordingSheet sheet;
    writeLedgerSheet(LedgerBuilder(state().Conn).build(r), sheet);

    const QMap<QString, QString> building{
        {"B3", "t:B/V No"}, {"C3", "t:J/F No"}, {"D3", "t:Date"}, {"E3", "t:Account Name"}, {"F3", "t:Debit"},
        {"G3", "t:Credit"}, {"E4", "t:By Balance B/d"}, {"G4", "n:0.00"}, {"F5", "f:=sum(f4:f4)=0.00"},
        {"G5", "f:=sum(g4:g4)=0.00"}, {"F6", "f:=g5-f5=0.00"}};
    EXPECT_EQ(sheet.rows(1, 8), building);

    const QMap<QString, QString> donations{
        {"B9", "t:B/V No"}, {"C9", "t:J/F No"}, {"D9", "t:Date"}, {"E9", "t:Account Name"}, {"F9", "t:Debit"},
        {"G9", "t:Credit"},
        {"E10", "t:By Balance B/d"}, {"G10", "n:5000.00"},
        {"B11", "t:3"}, {"D11", "d:2026-05-01"}, {"E11", "t:CASH A/C"}, {"G11", "n:1234567.50"},
        {"E12", "t:[RECEIVED FROM ST. MARY'S PARISH]"},
        {"B13", "t:5"}, {"D13", "d:2026-06-15"}, {"E13", "t:ST. MARY'S FEES"}, {"F13", "n:100.00"},
        {"B14", "t:7"}, {"D14", "d:2026-08-31"}, {"E14", "t:CASH A/C"}, {"G14", "n:200000.00"},
        {"E15", "t:[ANNUAL DONATION FROM THE OLD STUDENTS ASSOCIATION FOR THE NEW LIBRARY BUILDING]"},
        {"B16", "t:10"}, {"D16", "d:2027-03-31"}, {"E16", "t:CASH A/C"}, {"G16", "n:50.00"},
        {"F17", "f:=sum(f10:f16)=100.00"}, {"G17", "f:=sum(g10:g16)=1439617.50"},
        {"F18", "f:=g17-f17=1439517.50"}};
    EXPECT_EQ(sheet.rows(9, 20), donations);

    // Fees: a debit balance, so the balance stands in the credit column.
    EXPECT_EQ(sheet.cells.value(QStringLiteral("F22")), QStringLiteral("n:2750.50"));
    EXPECT_EQ(sheet.cells.value(QStringLiteral("G31")), QStringLiteral("f:=f30-g30=2926.49"));
    EXPECT_FALSE(sheet.cells.contains(QStringLiteral("F31")));
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
