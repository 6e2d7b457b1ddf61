#include "core/ReportCancelled.h"
#include "dialogs/ScriptedDialogs.h"
#include "printing/PagePrinter.h"
#include "reports/LedgerReport.h"
#include "reports/MonthlyReport.h"
#include "reports/QuarterlyReport.h"
#include "reports/RecPayReport.h"
#include "reports/RecPaySummaryReport.h"
#include "reports/RouteProgress.h"
#include "reports/WindowRun.h"
#include "shell/PellamMenu.h"
#include "StatementFixture.h"
#include "StatusLog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using namespace std::chrono_literals;

namespace {

// A key as the window system hands it to the program: queued, and seen
// when the run next looks at its input.
void press(QWidget* target, Qt::Key key, const QString& text = {})
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

} // namespace

TEST(WindowProgress, MovesTheBarSwallowsInputAndStopsOnEscape)
{
    PellamMenu menu;
    QLineEdit box;
    {
        WindowProgress progress(0ms);
        progress.tell(0.42);
        EXPECT_FALSE(menu.progressBar()->isHidden());
        EXPECT_EQ(menu.progressBar()->value(), 42);

        press(&box, Qt::Key_A, QStringLiteral("a"));
        progress.tell(1); // the last word always looks at the input
        EXPECT_EQ(box.text(), QString()) << "typing during the run goes nowhere";
        EXPECT_EQ(menu.progressBar()->value(), 100);

        press(&box, Qt::Key_Escape);
        EXPECT_THROW(progress.tell(1), ReportCancelled);
    }
    press(&box, Qt::Key_A, QStringLiteral("a"));
    QCoreApplication::processEvents();
    EXPECT_EQ(box.text(), QStringLiteral("a")) << "after the run, input reaches its window again";
}

TEST(StatementStages, EachPhaseIsToldOnAndMovesHalfOfTheWayLeft)
{
    QStringList told;
    QList<double> done;
    const StatementStatus status =
        statementStages([&](const QString& phase) { told << phase; }, [&](double d) { done << d; });
    for (const char* phase : {"Generating report", "calucating opening", "calculating closing"})
        status(QString::fromLatin1(phase));
    EXPECT_EQ(told, (QStringList{"Generating report", "calucating opening", "calculating closing"}));
    EXPECT_EQ(done, (QList<double>{0.5, 0.75, 0.875}));
}

// Escape pressed during each report's run from its window, on each kind of
// route: the run stops without an error box, says so in the status bar, and
// leaves no file: no preview file or window, no PDF, no workbook or its part.
TEST(WindowReportCancel, EscapeStopsEveryReportAndLeavesNoFile)
{
    test::StatementBooks books;
    ScriptedDialogsGuard scripted;
    const QString pdf = books.home.file(QStringLiteral("report.pdf"));
    const QString xlsx = books.home.file(QStringLiteral("report.xlsx"));
    PagePrinter::instance().usePdfFile(pdf);

    LedgerRequest ledger;
    ledger.shops = {1, 2};
    ledger.heads = {test::StCash, test::StDonations, test::StFees, test::StSalaries};
    ledger.from = books.year.start;
    ledger.to = books.year.end;
    const ReportChoices cashBook = ledger;
    const SummaryRequest summary{{1, 2}, books.year.start, books.year.end, QStringLiteral("01/04/2026"),
                                 QStringLiteral("31/03/2027"), true};
    const MonthlyRequest monthly{{1, 2}, 3, books.year.start, books.year.end};
    const QuarterRequest quarterly{{1, 2}, QStringLiteral("Fourth"), false, books.year.start, books.year.end};
    const struct {
        const char* name;
        std::function<void()> run;
    } runs[] = {
        {"ledger preview", [&] { LedgerReport(ledger, LedgerPreview); }},
        {"ledger print", [&] { LedgerReport(ledger, LedgerPrint); }},
        {"ledger workbook", [&] { LedgerReport(ledger, LedgerExcel); }},
        {"cash book preview", [&] { RecPayReport(cashBook, RecPayToPreview); }},
        {"cash book workbook", [&] { RecPayReport(cashBook, RecPayToExcel); }},
        {"summary workbook", [&] { RecPaySummaryReport(summary, SummaryToExcel); }},
        {"monthly print", [&] { MonthlyReport(monthly, MonthlyToPrinter); }},
        {"quarterly preview", [&] { QuarterlyReport(quarterly, QuarterlyToPreview); }},
    };
    QWidget form;
    const QList<QWidget*> before = QApplication::allWidgets();
    for (const auto& r : runs) {
        SCOPED_TRACE(r.name);
        scripted->clear();
        scripted->answerPrinter(true).answerFile(xlsx);
        test::StatusLog status;
        press(&form, Qt::Key_Escape);
        r.run();
        EXPECT_EQ(status.texts.value(status.texts.size() - 1), QStringLiteral("Report Cancelled"));
        EXPECT_TRUE(scripted->messages().empty()) << scripted->messages()[0].text.toStdString();
        EXPECT_EQ(QDir(state().TempDir).entryList(QDir::Files), QStringList());
        EXPECT_EQ(QDir(books.home.path()).entryList({QStringLiteral("report*")}, QDir::Files), QStringList());
    }
    EXPECT_TRUE(test::previewsSince(before).isEmpty());
    EXPECT_FALSE(QFile::exists(state().ErrorLog)) << "a cancelled run is no error";
    PagePrinter::instance().usePdfFile({});
}
