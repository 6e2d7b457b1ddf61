#include "RecPayFixture.h"
#include "RecordingSheet.h"
#include "WorkbookMade.h"
#include "dialogs/ScriptedDialogs.h"
#include "excel/ExcelWorkbook.h"
#include "support/WorkbookCells.h"
#include "reports/RecPayBuilder.h"
#include "reports/RecPayReport.h"
#include "reports/RecPayWriters.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::RecordingSheet;
using test::RecPayBooks;

TEST(RecPaySheet, CashBookRowsWithTotalsBalanceAndBalancedTotalsAsFormulas)
{
    RecPayBooks books;
    ReportChoices r = RecPayBooks::request();
    r.shops = {2};
    r.reference = ReportReference::BillNo;
    r.narration = true;
    RecordingSheet sheet;
    writeRecPaySheet(RecPayBuilder(state().Conn).build(r), sheet);
    const QMap<QString, QString> cells{
        {"B1", "t:DISPENSARY CASH BOOK"}, {"B2", "t:Receipt and Payments From 01/05/2026 To 31/03/2027"},
        {"B4", "t:B/V No"}, {"C4", "t:Date"}, {"D4", "t:Account Name"}, {"E4", "t:Receipt"}, {"F4", "t:Payment"},
        {"D5", "t:By Balance B/d"}, {"F5", "n:150.00"},
        {"C6", "d:2026-05-02"}, {"D6", "t:ST. MARY'S FEES"}, {"F6", "n:500.00"},
        {"D7", "t:[PAID FOR UNIFORMS TO THE TAILORS]"},
        {"B8", "t:1234567"}, {"C8", "d:2026-08-31"}, {"D8", "t:DONATIONS"}, {"E8", "n:200000.00"},
        {"D9", "t:[ANNUAL DONATION FROM THE OLD STUDENTS ASSOCIATION FOR THE NEW LIBRARY BUILDING]"},
        {"B10", "t:77"}, {"C10", "d:2026-10-10"}, {"D10", "t:ST. MARY'S FEES"}, {"E10", "n:300.00"},
        {"D11", "t:Total"}, {"E11", "f:=sum(e5:e10)=200300.00"}, {"F11", "f:=sum(f5:f10)=650.00"},
        {"D12", "t:Balance"}, {"F12", "f:=e11-f11=199650.00"},
        {"E13", "f:=sum(e11:e12)=200300.00"}, {"F13", "f:=sum(f11:f12)=200300.00"}};
    EXPECT_EQ(sheet.cells, cells);
    // Repeated at the top of a sheet the cash book continues on.
    EXPECT_EQ(sheet.headingRows, QList<int>{4});
}

TEST(RecPaySheet, NoCashMovementLeavesTheOpeningAsTheBalance)
{
    RecPayBooks books;
    ReportChoices r = RecPayBooks::request();
    r.shops = {1};
    r.from = r.to = QDate(2026, 5, 2);
    RecordingSheet sheet;
    writeRecPaySheet(RecPayBuilder(state().Conn).build(r), sheet);
    // The school's cash: 1,000.00 + 12,34,567.50 brought down; nothing moves.
    EXPECT_EQ(sheet.rows(5, 9), (QMap<QString, QString>{{"D5", "t:To Balance B/d"}, {"E5", "n:1235567.50"},
                                                         {"D6", "t:Total"}, {"E6", "f:=sum(e5:e5)=1235567.50"},
                                                         {"F6", "f:=sum(f5:f5)=0.00"}, {"D7", "t:Balance"},
                                                         {"F7", "f:=e6-f6=1235567.50"},
                                                         {"E8", "f:=sum(e6:e7)=1235567.50"},
                                                         {"F8", "f:=sum(f6:f7)=1235567.50"}}));
}

TEST(RecPaySheet, TheExcelButtonsRouteWritesARealWorkbook)
{
    RecPayBooks books;
    ScriptedDialogsGuard scripted;
    scripted->answerFile(books.home.file(QStringLiteral("cashbook"))).answer(MessageAnswer::No);
    RecPayReport(RecPayBooks::request(), RecPayToExcel);
    test::expectWorkbookMade(scripted, books.home.file(QStringLiteral("cashbook.xlsx")));
}

// A cash book longer than a sheet goes on to "Sheet1 (2)" and beyond, each
// starting with the column headings, and every voucher row is there once;
// the totals' formulas count the rows on every sheet.
TEST(RecPaySheet, ACashBookLongerThanASheetContinuesOnTheNextWithItsHeadings)
{
    RecPayBooks books;
    ReportChoices r = RecPayBooks::request();
    r.shops = {2};
    r.reference = ReportReference::BillNo;
    r.narration = true;
    const QString file = books.home.file(QStringLiteral("long.xlsx"));
    {
        // Six rows a sheet: rows 1 to 6 on the first, then five more each
        // under the repeated headings.
        ExcelWorkbook book(file, 6);
        writeRecPaySheet(RecPayBuilder(state().Conn).build(r), book);
        book.Save();
    }
    EXPECT_EQ(test::workbookSheets(file), (QStringList{"Sheet1", "Sheet1 (2)", "Sheet1 (3)"}));
    const auto shown = [&](int sheet) {
        QMap<QString, QString> cells;
        const QMap<QString, test::WorkbookCell> read = test::workbookCells(file, sheet);
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            cells.insert(it.key(), it->formula.isEmpty() ? it->shown : QLatin1Char('=') + it->formula + QLatin1Char('=') + it->shown);
        return cells;
    };
    const QMap<QString, QString> headings{{"B1", "B/V No"}, {"C1", "Date"}, {"D1", "Account Name"},
                                          {"E1", "Receipt"}, {"F1", "Payment"}};
    QMap<QString, QString> second = headings;
    second.insert({{"D2", "[PAID FOR UNIFORMS TO THE TAILORS]"},
                   {"B3", "1234567"}, {"C3", "46265"}, {"D3", "DONATIONS"}, {"E3", "200000"},
                   {"D4", "[ANNUAL DONATION FROM THE OLD STUDENTS ASSOCIATION FOR THE NEW LIBRARY BUILDING]"},
                   {"B5", "77"}, {"C5", "46305"}, {"D5", "ST. MARY'S FEES"}, {"E5", "300"},
                   {"D6", "Total"},
                   {"E6", "=sum('Sheet1'!e5:e6,e2:e5)=200300"}, {"F6", "=sum('Sheet1'!f5:f6,f2:f5)=650"}});
    EXPECT_EQ(shown(2), second);
    QMap<QString, QString> third = headings;
    third.insert({{"D2", "Balance"}, {"F2", "='Sheet1 (2)'!e6-'Sheet1 (2)'!f6=199650"},
                  {"E3", "=sum('Sheet1 (2)'!e6:e6,e2:e2)=200300"}, {"F3", "=sum('Sheet1 (2)'!f6:f6,f2:f2)=200300"}});
    EXPECT_EQ(shown(3), third);
    EXPECT_EQ(shown(1).value("F5"), "150");
    EXPECT_EQ(shown(1).value("D6"), "ST. MARY'S FEES");
}
