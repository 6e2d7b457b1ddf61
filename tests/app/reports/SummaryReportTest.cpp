#include "app/RecordingHelp.h"
#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "format/DateText.h"
#include "FormDriver.h"
#include "PrintRun.h"
#include "RecordingSheet.h"
#include "reports/FrmRecPaySum.h"
#include "reports/SummaryBuilder.h"
#include "reports/SummaryWriters.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"
#include "StatementFixture.h"
#include "TextLines.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::child;
using test::click;
using test::RecordingSheet;
using test::StatementBooks;

namespace {

SummaryRequest request(QList<qint64> shops, const char* from, const char* to, bool withOpening)
{
    SummaryRequest r;
    r.shops = std::move(shops);
    r.fromText = QString::fromLatin1(from);
    r.toText = QString::fromLatin1(to);
    r.from = *datetext::parse(r.fromText);
    r.to = *datetext::parse(r.toText);
    r.withOpening = withOpening;
    return r;
}

SummaryDocument build(const SummaryRequest& r)
{
    return SummaryBuilder(state().Conn).build(r);
}

} // namespace

TEST(SummaryText, MatchesTheLayoutLineForLine)
{
    StatementBooks books;
    struct Case {
        const char* file;
        SummaryRequest request;
    };
    // The whole year with the cash opening; the dispensary overdrawn (a "C"
    // opening) with a head that has no vouchers; the school without the
    // cash lines, where a voucher between two heads counts on both.
    for (const Case& c : {Case{"summary_year_with_opening.txt", request({1, 2}, "01/04/2026", "31/03/2027", true)},
                          Case{"summary_dispensary_overdrawn.txt", request({2}, "15/04/2026", "31/12/2026", true)},
                          Case{"summary_school_no_opening.txt", request({1}, "01/05/2026", "31/01/2027", false)}})
        EXPECT_EQ(test::textFile(build(c.request)),
                  test::expected(QString::fromLatin1(c.file)))
            << c.file;
}

TEST(SummaryText, TheOpeningCountsTheCashBeforeThePeriod)
{
    StatementBooks books;
    // The school from May: 10,000.00 opening + 1,500.00 received - 800.00
    // paid in April.
    const SummaryDocument doc = build(request({1}, "01/05/2026", "31/01/2027", true));
    const QStringList lines = test::textLines(doc);
    EXPECT_EQ(lines.mid(lines.size() - 5, 5),
              (QStringList{QStringLiteral("Op.Balance                           10,700.00"),
                           QStringLiteral("- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -"),
                           QStringLiteral("           Net Total               1,35,456.78         300.00"),
                           QString(63, QLatin1Char('-')),
                           QStringLiteral("CL.Balance                                         1,35,156.78")}));
}

TEST(SummarySheet, CellsFormulasMergesAndBorders)
{
    StatementBooks books;
    RecordingSheet sheet;
    writeSummarySheet(build(request({1}, "01/05/2026", "31/01/2027", true)), sheet);
    const QMap<QString, QString> cells{
        {"B3", "t:ST. MARY'S SCHOOL STATEMENT OF ACCOUNTS"},
        {"B4", "t:           RECEIPT & PAYMENT SUMMARY  "},
        {"B5", "t:        Date From 01/05/2026   to  31/01/2027"},
        {"B6", "t:ACCOUNT"}, {"C6", "t:INCOME"}, {"D6", "t:EXPENSE"},
        {"B7", "t:DONATIONS"}, {"C7", "n:1300.00"}, {"D7", "n:0.00"},
        {"B8", "t:SALARIES"}, {"C8", "n:0.00"}, {"D8", "n:300.00"},
        {"B9", "t:TUITION FEES RECEIVED FROM THE PARENTS"}, {"C9", "n:123456.78"}, {"D9", "n:0.00"},
        {"B10", "t:Total"}, {"C10", "f:=sum(c6:c9)=124756.78"}, {"D10", "f:=sum(d6:d9)=300.00"},
        {"B11", "t:Op.Balance"}, {"C11", "n:10700.00"},
        {"B12", "t:Net Total"}, {"C12", "f:=sum(c10:c11)=135456.78"}, {"D12", "f:=sum(d10:d11)=300.00"},
        {"B13", "t:CL.Balance"}, {"D13", "n:135156.78"}};
    EXPECT_EQ(sheet.cells, cells);
    EXPECT_EQ(sheet.merged, (QStringList{"B3:D3", "B4:D4", "B5:D5"}));
    EXPECT_EQ(sheet.framed, QStringList{QStringLiteral("B3:D10")});
    EXPECT_EQ(sheet.headingRows, QList<int>{6});

    // Without the opening the sheet ends with the totals.
    RecordingSheet plain;
    writeSummarySheet(build(request({2}, "01/04/2026", "31/03/2027", false)), plain);
    EXPECT_EQ(plain.rows(10, 20), (QMap<QString, QString>{{"B10", "t:Total"},
                                                          {"C10", "f:=sum(c6:c9)=200.00"},
                                                          {"D10", "f:=sum(d6:d9)=645.50"}}));
}

TEST(SummaryPrint, TheFirstPageAndTheColumnHeadingOnEveryNewPage)
{
    StatementBooks books;
    for (int i = 0; i < 90; ++i) {
        books.conn().execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(?, ?, ?)"),
                             {100 + i, QStringLiteral("H%1").arg(i), QStringLiteral("HEAD %1").arg(i, 3, 10, QLatin1Char('0'))});
        books.conn().execute(QStringLiteral("insert into shopacc(accno, Shopid) values(?, 1)"), {100 + i});
    }
    test::PrintRun run(0);
    run.run([](ReportPrinter& p) { printSummary(build(request({1}, "01/04/2026", "31/03/2027", true)), p); });

    const QString rule = QString(69, QLatin1Char('-'));
    const QString heading = QStringLiteral("  NAME                                  INCOME         EXPENSE");
    const QStringList first = test::page(run.printed, 1);
    ASSERT_GT(first.size(), 8);
    EXPECT_EQ(first[0], QStringLiteral("Page :1"));
    EXPECT_EQ(first[1].trimmed(), QStringLiteral("ST. MARY'S SCHOOL STATEMENT OF ACCOUNTS"));
    EXPECT_EQ(first[2].trimmed(), QStringLiteral("RECEIPT & PAYMENT SUMMARY"));
    EXPECT_EQ(first.mid(3, 5), (QStringList{QStringLiteral("        Date From 01/04/2026   to  31/03/2027"), rule,
                                             heading, rule,
                                             QStringLiteral(" DONATIONS                            2,800.00            0.00")}));
    QSet<int> pages;
    for (const PrintedLine& l : run.printed)
        pages.insert(l.page);
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(test::pdfPages(run.pdf), pages.size());
    const QStringList second = test::page(run.printed, 2);
    EXPECT_EQ(second.mid(0, 4), (QStringList{QStringLiteral("Page :2"), rule, heading, rule}));
    const QStringList last = test::page(run.printed, int(pages.size()));
    EXPECT_EQ(last.mid(last.size() - 5),
              (QStringList{QStringLiteral("Op.Balance                           10,000.00"), rule,
                           QStringLiteral("           Net Total               1,36,256.83       1,100.00"), rule,
                           QStringLiteral("CL.Balance                                         1,35,156.83")}));
}

TEST(FrmRecPaySum, ChecksInOrderWithTheirMessagesAndFocus)
{
    StatementBooks books;
    ScriptedDialogsGuard scripted;
    FrmRecPaySum form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Reciept & Payment Summary"));
    EXPECT_EQ(child<QLineEdit>(form, "txtdatefrom")->text(), datetext::format(books.year.start));
    EXPECT_EQ(child<QLineEdit>(form, "txtdateto")->text(), datetext::format(QDate::currentDate()));
    form.show();
    QApplication::setActiveWindow(&form);
    struct Case {
        bool shops;
        const char* from;
        const char* to;
        const char* message;
        const char* focus;
    };
    for (const Case& c : {Case{false, "31/02/2026", "31/02/2026", " Please Select atleast one shop", "LstComp"},
                          Case{true, "31/02/2026", "  /  /    ", "Invalid to date", "txtdateto"},
                          Case{true, "31/02/2026", "31/03/2027", "Invalid From date", "txtdatefrom"},
                          Case{true, "01/05/2027", "31/03/2027", " From Date is after To Date", "txtdatefrom"}}) {
        scripted->clear();
        click(form, c.shops ? "CmdSAll" : "CmdSNo");
        child<QLineEdit>(form, "txtdatefrom")->setText(QString::fromLatin1(c.from));
        child<QLineEdit>(form, "txtdateto")->setText(QString::fromLatin1(c.to));
        const QList<QWidget*> before = QApplication::allWidgets();
        click(form, "CmdOk");
        ASSERT_EQ(scripted->messages().size(), 1u) << c.message;
        EXPECT_EQ(scripted->messages()[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(form, c.focus)) << c.message;
        EXPECT_TRUE(test::previewsSince(before).isEmpty());
    }
}

TEST(FrmRecPaySum, PreviewShowsTheSummaryAndTheOtherRoutesFollowTheirButtons)
{
    StatementBooks books;
    ScriptedDialogsGuard scripted;
    test::RecordingHelp help;
    state().ExcelAvailable = false;
    {
        FrmRecPaySum form;
        EXPECT_FALSE(child<QPushButton>(form, "CmdExcel")->isEnabled());
        form.CmdExcel_Click();
        EXPECT_TRUE(scripted->files().empty()) << "no spreadsheet route starts";
    }
    state().ExcelAvailable = true;
    FrmRecPaySum form;
    click(form, "CmdSAll");
    child<QLineEdit>(form, "txtdatefrom")->setText(QStringLiteral("01/04/2026"));
    child<QLineEdit>(form, "txtdateto")->setText(QStringLiteral("31/03/2027"));
    child<QCheckBox>(form, "ChkOp")->setChecked(true);
    const QList<QWidget*> before = QApplication::allWidgets();
    click(form, "CmdOk");
    EXPECT_TRUE(scripted->messages().empty());
    const QList<FrmPreview*> shown = test::previewsSince(before);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), QStringLiteral("Reciept & Payment Summary"));
    EXPECT_EQ(QString::fromUtf8(test::fileBytes(shown[0]->fileName())),
              test::expected(QStringLiteral("summary_year_with_opening.txt")));
    delete shown[0];

    scripted->answerPrinter(false);
    click(form, "CmdCancel");
    EXPECT_EQ(scripted->printerDialogs(), 1);
    scripted->answerFile(std::nullopt);
    click(form, "CmdExcel");
    EXPECT_EQ(scripted->files().size(), 1u) << "the workbook's name is asked";

    form.show();
    QTest::keyClick(child<QListWidget>(form, "LstComp"), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{FrmRecPaySum::kHelpContext});
}

TEST(FrmRecPaySum, TheIncomeAndExpenditureMenuItemOpensTheWindow)
{
    StatementBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;
    wireMenu(menu);
    FrmRecPaySum* form = test::openedByMenu<FrmRecPaySum>(menu, "MnRptR");
    ASSERT_NE(form, nullptr);
    delete form;
}
