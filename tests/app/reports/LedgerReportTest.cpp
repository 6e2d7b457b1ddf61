#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "LedgerFixture.h"
#include "printing/PagePrinter.h"
#include "reports/LedgerBuilder.h"
#include "reports/LedgerReport.h"
#include "reports/LedgerWriters.h"
#include "support/QtPrinters.h"
#include "TextLines.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
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
