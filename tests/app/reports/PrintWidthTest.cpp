#include "PrintRun.h"
#include "QuarterlyFixture.h"
#include "RecPayFixture.h"
#include "reports/LedgerBuilder.h"
#include "reports/LedgerWriters.h"
#include "reports/MonthlyBuilder.h"
#include "reports/MonthlyWriters.h"
#include "reports/QuarterlyWriters.h"
#include "reports/RecPayBuilder.h"
#include "reports/RecPayWriters.h"
#include "reports/SummaryBuilder.h"
#include "reports/SummaryWriters.h"

#include <QPrinter>
#include <functional>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

// Every line the run printed ends within the paper's printable width.
void expectAllOnThePaper(const test::PrintRun& run, const std::string& report)
{
    ASSERT_FALSE(run.printed.empty()) << report;
    for (const PrintedLine& l : run.printed)
        EXPECT_LE(l.right, run.printer.printableWidth())
            << report << ", page " << l.page << ", " << l.fontSize << " pt: " << l.text.toStdString();
}

// A print run on the side of the paper the report asks for, as its window
// and `pellam report` open it.
struct PaperRun : test::PrintRun {
    explicit PaperRun(QPageLayout::Orientation paper = QPageLayout::Portrait, int offset = 0)
        : test::PrintRun(offset, paper)
    {
    }
};

// A narration of five lines and more, on a voucher of each kind.
const QString kLongNarration = QStringLiteral(
    "PAID TO THE CONTRACTOR FOR THE REPAIR OF THE SCHOOL ROOF AFTER THE MONSOON RAINS, THE PAINTING OF THE CLASS "
    "ROOMS AND THE NEW GATE AT THE FRONT OF THE SCHOOL");

struct LongNarrationBooks : test::RecPayBooks {
    LongNarrationBooks()
    {
        for (const auto& [debit, credit] : {std::pair{test::Fees, test::Cash}, {test::Cash, test::Fees}})
            conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount,"
                                          " narration, billno) values(2, ?, ?, '2026-11-11', 9999999999, ?, 'B-99999')"),
                           {debit, credit, kLongNarration});
    }
};

} // namespace

TEST(PrintWidth, LedgerAndCashBookStayOnThePaperWithEveryOptionThatWidensALine)
{
    LongNarrationBooks books;
    for (const ReportReference ref : {ReportReference::JouNo, ReportReference::BillNo, ReportReference::SerialNo})
        for (const bool lines : {false, true}) {
            LedgerRequest r = test::LedgerBooks::request();
            r.reference = ref;
            r.shopColumn = true;
            r.narration = true;
            r.lines = lines;
            r.pageOffset = 99999;
            PaperRun ledger(QPageLayout::Portrait, r.pageOffset);
            ledger.run([&](ReportPrinter& p) { printLedger(LedgerBuilder(state().Conn).build(r), p); });
            expectAllOnThePaper(ledger, "ledger, lines " + std::to_string(lines));

            PaperRun cashBook(QPageLayout::Portrait, r.pageOffset);
            cashBook.run([&](ReportPrinter& p) { printRecPay(RecPayBuilder(state().Conn).build(r), p); });
            expectAllOnThePaper(cashBook, "cash book, lines " + std::to_string(lines));
        }
}

TEST(PrintWidth, StatementsStayOnThePaperTheQuarterlyAlongItsLongSide)
{
    test::QuarterlyBooks books;
    const QList<qint64> both{1, 2};
    SummaryRequest summary{both, QDate(2026, 4, 1), QDate(2027, 3, 31), QStringLiteral("01/04/2026"),
                           QStringLiteral("31/03/2027"), true};
    PaperRun summaryRun;
    summaryRun.run([&](ReportPrinter& p) { printSummary(SummaryBuilder(state().Conn).build(summary), p); });
    expectAllOnThePaper(summaryRun, "summary");

    const MonthlyRequest monthly{both, 3, QDate(2026, 4, 1), QDate(2027, 3, 31)};
    PaperRun monthlyRun;
    monthlyRun.run(
        [&](ReportPrinter& p) { printMonthly(MonthlyBuilder(state().Conn).build(monthly, test::StCash), p); });
    expectAllOnThePaper(monthlyRun, "monthly");

    PaperRun quarterly(kQuarterlyPaper);
    PagePrinter& paper = PagePrinter::instance();
    QPageLayout::Orientation printedOn = QPageLayout::Portrait;
    quarterly.run([&](ReportPrinter& p) {
        printedOn = paper.Orientation();
        printQuarterly(books.build(test::QuarterlyBooks::request("Fourth", true)), p);
    });
    EXPECT_EQ(printedOn, QPageLayout::Landscape);
    expectAllOnThePaper(quarterly, "quarterly");
    EXPECT_GE(quarterly.printed.back().fontSize, 6) << "landscape needs no smaller font";
    EXPECT_EQ(paper.Orientation(), QPageLayout::Portrait) << "the next print gets the paper as it was";
}

namespace {

// A user who turns the page back to portrait in the printer dialog.
class PortraitChosen : public ScriptedDialogs {
public:
    QPageLayout::Orientation offered = QPageLayout::Portrait;
    bool printer(PrinterRequest& request) override
    {
        offered = request.printer->pageLayout().orientation();
        request.printer->setPageOrientation(QPageLayout::Portrait);
        return ScriptedDialogs::printer(request);
    }
};

} // namespace

TEST(PrintWidth, QuarterlyTurnedToPortraitInTheDialogPrintsSmallerToStayOnThePaper)
{
    test::QuarterlyBooks books;
    PaperRun run(kQuarterlyPaper);
    auto owned = std::make_unique<PortraitChosen>();
    PortraitChosen* chosen = owned.get();
    chosen->answerPrinter(true);
    std::unique_ptr<Dialogs> scripted = setDialogs(std::move(owned));
    run.run([&](ReportPrinter& p) { printQuarterly(books.build(test::QuarterlyBooks::request("Fourth")), p); });
    EXPECT_EQ(chosen->offered, QPageLayout::Landscape) << "the dialog offers the long side";
    setDialogs(std::move(scripted));
    expectAllOnThePaper(run, "quarterly in portrait");
    EXPECT_LT(run.printed.back().fontSize, 6);
}
