#include "app/DamagedVouchers.h"
#include "dialogs/ScriptedDialogs.h"
#include "LedgerFixture.h"
#include "reports/LedgerReport.h"
#include "reports/MonthlyReport.h"
#include "reports/QuarterlyReport.h"
#include "reports/RecPayReport.h"
#include "reports/RecPaySummaryReport.h"
#include "StatementFixture.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct WindowReport {
    const char* name;
    std::function<void()> preview;
};

// Each report window's run to the preview, on both institutions of the
// statement books' year.
std::vector<WindowReport> windowReports()
{
    const QDate start(2026, 4, 1), end(2027, 3, 31);
    LedgerRequest ledger;
    ledger.shops = {1, 2};
    ledger.heads = {test::StCash, test::StDonations, test::StFees, test::StSalaries};
    ledger.from = start;
    ledger.to = end;
    const ReportChoices recpay = ledger;
    SummaryRequest summary{{1, 2}, start, end, QStringLiteral("01/04/2026"), QStringLiteral("31/03/2027"), true};
    const MonthlyRequest monthly{{1, 2}, 4, start, end};
    const QuarterRequest quarterly{{1, 2}, QStringLiteral("First"), false, start, end};
    return {{"ledger", [=] { LedgerReport(ledger, LedgerPreview); }},
            {"receipt and payment", [=] { RecPayReport(recpay, RecPayToPreview); }},
            {"summary", [=] { RecPaySummaryReport(summary, SummaryToPreview); }},
            {"monthly", [=] { MonthlyReport(monthly, MonthlyToPreview); }},
            {"quarterly", [=] { QuarterlyReport(quarterly, QuarterlyToPreview); }}};
}

} // namespace

TEST(UnreadableBooks, EveryReportWindowNamesTheVouchersAndShowsNoFigures)
{
    test::StatementBooks books;
    test::unguardJournal(books.conn());
    ScriptedDialogsGuard scripted;
    for (const test::DamagedVoucher& damaged : test::kDamagedVouchers) {
        const qint64 jouNo = test::addDamagedVoucher(books.conn(), damaged);
        for (const WindowReport& report : windowReports()) {
            scripted->clear();
            const QList<QWidget*> before = QApplication::allWidgets();
            report.preview();
            ASSERT_EQ(scripted->messages().size(), 1u) << damaged.what << ", " << report.name;
            EXPECT_EQ(scripted->messages()[0].text, test::unreadableMessage(jouNo, damaged))
                << damaged.what << ", " << report.name;
            EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Critical);
            EXPECT_TRUE(test::previewsSince(before).isEmpty()) << damaged.what << ", " << report.name;
        }
        books.conn().execute(QStringLiteral("delete from journal where jousrlno = ?"), {jouNo});
    }
    for (const WindowReport& report : windowReports()) {
        scripted->clear();
        const QList<QWidget*> before = QApplication::allWidgets();
        report.preview();
        EXPECT_TRUE(scripted->messages().empty()) << report.name;
        const QList<FrmPreview*> shown = test::previewsSince(before);
        EXPECT_EQ(shown.size(), 1) << report.name;
        qDeleteAll(shown);
    }
}
