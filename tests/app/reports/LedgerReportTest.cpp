#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "LedgerFixture.h"
#include "printing/PagePrinter.h"
#include "reports/LedgerBuilder.h"
#include "reports/LedgerReport.h"
#include "reports/LedgerWriters.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "TextLines.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::LedgerBooks;

namespace {

QString textOf(const LedgerRequest& request)
{
    return test::textFile(LedgerBuilder(state().Conn).build(request));
}


} // namespace

TEST(LedgerText, MatchesTheLayoutLineForLine)
{
    LedgerBooks books;
    struct Case {
        const char* file;
        LedgerRequest request;
    };
    LedgerRequest jou = LedgerBooks::request();
    jou.reference = ReportReference::JouNo;
    jou.shopColumn = true;
    jou.narration = true;
    LedgerRequest bill = LedgerBooks::request();
    bill.shops = {2};
    bill.heads = {test::Cash, test::Donations};
    bill.reference = ReportReference::BillNo;
    bill.lines = true;
    for (const Case& c : {Case{"ledger_jou_shop_narration.txt", jou}, Case{"ledger_bill_lines.txt", bill}})
        EXPECT_EQ(textOf(c.request), test::expected(QString::fromLatin1(c.file))) << c.file;
}

TEST(LedgerText, OnePassOverThePeriodWritesWhatTheHeadsIndexesWrite)
{
    LedgerBooks books;
    LedgerRequest jou = LedgerBooks::request();
    jou.reference = ReportReference::JouNo;
    jou.shopColumn = true;
    jou.narration = true;
    LedgerRequest serial = LedgerBooks::request();
    serial.reference = ReportReference::SerialNo;
    serial.lines = true;
    for (const LedgerRequest& r : {jou, serial}) {
        const QString headByHead = test::textFile(LedgerBuilder(state().Conn, 10).build(r));
        EXPECT_EQ(test::textFile(LedgerBuilder(state().Conn, 0).build(r)), headByHead);
    }
    EXPECT_EQ(test::textFile(LedgerBuilder(state().Conn, 0).build(jou)),
              test::expected(QStringLiteral("ledger_jou_shop_narration.txt")));
}

TEST(LedgerText, SerialNumbersRestartForEveryHead)
{
    LedgerBooks books;
    LedgerRequest r = LedgerBooks::request();
    r.reference = ReportReference::SerialNo;
    const QStringList lines = textOf(r).split(QLatin1Char('\n'));
    QStringList serials;
    for (const QString& line : lines)
        if (line.size() > 20 && line.mid(15, 3) == QStringLiteral("/20"))
            serials << line.left(6).trimmed();
    EXPECT_EQ(serials, (QStringList{"1", "2", "3", "4", "1", "2", "3", "4", "5"}));
}

TEST(LedgerReport, PreviewWritesAFreshFileInTheTemporaryFolderAndShowsIt)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    LedgerRequest r = LedgerBooks::request();
    r.reference = ReportReference::JouNo;
    r.shopColumn = true;
    r.narration = true;
    const QList<QWidget*> before = QApplication::allWidgets();
    LedgerReport(r, LedgerPreview);
    LedgerReport(r, LedgerPreview);
    EXPECT_TRUE(scripted->messages().empty());
    const QList<FrmPreview*> shown = test::previewsSince(before);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_NE(shown[0]->fileName(), shown[1]->fileName()) << "each run writes a new file";
    for (FrmPreview* p : shown) {
        EXPECT_EQ(p->windowTitle(), QStringLiteral("Ledger Report"));
        EXPECT_TRUE(p->fileName().startsWith(state().TempDir));
        EXPECT_EQ(QString::fromUtf8(test::fileBytes(p->fileName())),
                  test::expected(QStringLiteral("ledger_jou_shop_narration.txt")));
        delete p;
    }
}

TEST(LedgerReport, NoChosenHeadInTheChosenInstitutionsSaysSo)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    LedgerRequest r = LedgerBooks::request();
    r.heads = {test::Cash, test::Building};
    r.shops = {2};
    const QList<QWidget*> before = QApplication::allWidgets();
    LedgerReport(r, LedgerPreview);
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, QStringLiteral(" There is no records"));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
    EXPECT_TRUE(test::previewsSince(before).isEmpty());
}

// A full disk on each of the window's routes: one message, naming the file
// and why; nothing is left of the file, and no preview is shown.
TEST(LedgerReport, AFullDiskIsSaidOnceOnEveryRouteAndLeavesNoFile)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    const QString pdf = books.home.file(QStringLiteral("ledger.pdf"));
    const QString xlsx = books.home.file(QStringLiteral("ledger.xlsx"));
    PagePrinter::instance().usePdfFile(pdf);
    const QString preview = QRegularExpression::escape(state().TempDir) + QStringLiteral("rpt\\w+\\.tmp");
    const struct {
        LedgerTarget target;
        QString file; // a pattern
    } routes[] = {
        {LedgerPreview, preview},
        {LedgerPrint, QRegularExpression::escape(pdf)},
        {LedgerExcel, QRegularExpression::escape(xlsx)},
    };
    const QList<QWidget*> before = QApplication::allWidgets();
    for (const auto& route : routes) {
        SCOPED_TRACE(int(route.target));
        scripted->clear();
        scripted->answerPrinter(true).answerFile(xlsx).answer(MessageAnswer::Abort);
        {
            test::FileSizeLimit fullDisk(1024);
            LedgerReport(LedgerBooks::request(), route.target);
        }
        ASSERT_EQ(scripted->messages().size(), 1u);
        const QRegularExpression says(QStringLiteral("Error Description = The file ") + route.file +
                                      QStringLiteral(" cannot be written: File too large\r"));
        EXPECT_TRUE(says.match(scripted->messages()[0].text).hasMatch()) << scripted->messages()[0].text.toStdString();
    }
    EXPECT_TRUE(test::previewsSince(before).isEmpty());
    EXPECT_EQ(QDir(state().TempDir).entryList(QDir::Files), QStringList());
    EXPECT_EQ(QDir(books.home.path()).entryList({QStringLiteral("ledger*")}, QDir::Files), QStringList());
    PagePrinter::instance().usePdfFile({});
}
