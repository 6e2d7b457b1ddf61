#include "core/AppState.h"
#include "core/Common.h"
#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "errors/PellamError.h"
#include "reports/WindowTargets.h"
#include "settings/SettingsStore.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"
#include "system/AppFolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

namespace {

// The files the program has left in its temporary folder.
QStringList leftInTemp()
{
    return QDir(AppFolders::temp()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(FrmPreview, AReportFileLastsAsLongAsItsPreview)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    QDir().mkpath(AppFolders::temp());
    state().TempDir = AppFolders::temp() + QLatin1Char('/');
    const auto twoLines = [](const std::function<void(const QString&)>& line) {
        line(QStringLiteral("   LEDGER"));
        line(QStringLiteral("   DONATIONS"));
    };

    const QList<QWidget*> before = QApplication::allWidgets();
    toPreview(twoLines, QStringLiteral("Ledger"));
    toPreview(twoLines, QStringLiteral("Ledger"));
    QList<FrmPreview*> shown;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* p = qobject_cast<FrmPreview*>(w); p && !before.contains(w))
            shown << p;
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(leftInTemp().size(), 2) << "each open preview keeps its file";

    const QString first = shown[0]->fileName();
    shown[0]->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(QFile::exists(first));
    EXPECT_EQ(leftInTemp(), QStringList{QFileInfo(shown[1]->fileName()).fileName()});
    delete shown[1];
    EXPECT_EQ(leftInTemp(), QStringList());

    // A report that fails half-way leaves no file and no preview.
    EXPECT_THROW(toPreview(
                     [](const std::function<void(const QString&)>& line) {
                         line(QStringLiteral("   LEDGER"));
                         throw PellamError(61, QStringLiteral("Disk full"), QStringLiteral("Report"));
                     },
                     QStringLiteral("Ledger")),
                 PellamError);
    EXPECT_EQ(leftInTemp(), QStringList());
}
