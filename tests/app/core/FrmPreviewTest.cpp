#include "core/Common.h"
#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "settings/SettingsStore.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(FrmPreview, ShowsTheReportAndPrintsItRawLineByLine)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    const QString printer = home.file(QStringLiteral("lpt.out"));
    SettingsStore::write(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam\\Coffer9.0"),
                         QStringLiteral("RawPrinter"), printer);
    const QString report = home.file(QStringLiteral("rpt.tmp"));
    writeFile(report, "   LEDGER OF ST. MARY'S\n   DONATIONS        12,34,567.50\n");

    QString caption;
    ShowReportPreview(report, caption);
    EXPECT_EQ(caption, QStringLiteral("Pellam Accounts 3.1  Preview"));
    FrmPreview preview;
    preview.loadFile(report);
    EXPECT_EQ(preview.findChild<QPlainTextEdit*>(QStringLiteral("rtbInfo"))->toPlainText(),
              QStringLiteral("   LEDGER OF ST. MARY'S\n   DONATIONS        12,34,567.50\n"));

    preview.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    EXPECT_EQ(readFile(printer), QByteArray("   LEDGER OF ST. MARY'S\r\n   DONATIONS        12,34,567.50\r\n"));
    EXPECT_TRUE(scripted->messages().empty());

    QFile::remove(report);
    preview.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral("An Internal Error Occured Information file is deleted\rrecreate the report"));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(readFile(printer).count('\n'), 2) << "nothing more was printed";
}
