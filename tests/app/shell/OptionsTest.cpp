#include "app/AppTestBooks.h"
#include "dialogs/ScriptedDialogs.h"
#include "format/DateText.h"
#include "settings/SettingsStore.h"
#include "shell/frmOptions.h"
#include "startup/StartupRun.h"
#include "system/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

const QString kKey = QStringLiteral("Software\\Pellam\\Coffer9.0");

struct Options : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    const QString ini = QDir(AppFolders::home()).filePath(QStringLiteral("PellamAcc.ini"));

    static QLineEdit* box(frmOptions& w, const char* name) { return w.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    static QPushButton* button(frmOptions& w, const char* name) { return w.findChild<QPushButton*>(QString::fromLatin1(name)); }
    static QStringList boxes(frmOptions& w) { return {box(w, "TxtTitle")->text(), box(w, "TxtBk")->text(), box(w, "TXtDays")->text()}; }
    static void type(frmOptions& w, const char* name, const QString& text)
    {
        box(w, name)->clear();
        QTest::keyClicks(box(w, name), text);
    }
    static QString stored(const QString& name)
    {
        return SettingsStore::read(SettingsStore::LocalMachine, kKey, name).value_or(QStringLiteral("(missing)"));
    }
    QByteArray iniBytes() const
    {
        QFile f(ini);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(Options, FirstOpenShowsTheDefaultsAndStoresFolderAndInterval)
{
    frmOptions window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Settings"));
    const QString folder = QDir(AppFolders::home()).filePath(QStringLiteral("BackUp")) + QLatin1Char('/');
    EXPECT_EQ(boxes(window), (QStringList{QStringLiteral("The Steadfast Account Manager"), folder, QStringLiteral("7")}));
    EXPECT_EQ(stored(QStringLiteral("bak")), folder);
    EXPECT_EQ(stored(QStringLiteral("AtBkApp0")), QStringLiteral("7"));
    EXPECT_FALSE(QFile::exists(ini)) << "opening writes no settings file";
}

TEST_F(Options, ApplyWritesTheFiveLinesAndTheStoredValuesAsTyped)
{
    frmOptions window;
    window.show();
    type(window, "TxtTitle", QStringLiteral("St. Mary's Trust"));
    type(window, "TxtBk", QStringLiteral("/srv/safe/"));
    type(window, "TXtDays", QStringLiteral("1x4"));
    EXPECT_EQ(box(window, "TXtDays")->text(), QStringLiteral("14")) << "the interval takes digits only";
    button(window, "CmdApply")->click();

    const PellamUtility& util = state().Util;
    const QString expected = QStringLiteral("****************   [DON'T EDIT THIS FILE]   ***********\n"
                                            "0\n") +
                             util.EnCrypt(QStringLiteral("St. Mary's Trust")) +
                             QStringLiteral("\n************************************************\n") +
                             util.EnCrypt(datetext::format(QDate::currentDate())) + QLatin1Char('\n');
    EXPECT_EQ(QString::fromUtf8(iniBytes()), expected);
    EXPECT_EQ(storedApplicationTitle(), QStringLiteral("St. Mary's Trust")) << "the caption read at start-up";
    EXPECT_EQ(stored(QStringLiteral("bak")), QStringLiteral("/srv/safe/"));
    EXPECT_EQ(stored(QStringLiteral("AtBkApp0")), QStringLiteral("14"));
    EXPECT_TRUE(window.isVisible()) << "Apply leaves the window open";

    frmOptions again;
    EXPECT_EQ(boxes(again), (QStringList{QStringLiteral("St. Mary's Trust"), QStringLiteral("/srv/safe/"), QStringLiteral("14")}));
}

TEST_F(Options, AnIntervalOfZeroComesBackAsSeven)
{
    {
        frmOptions window;
        type(window, "TXtDays", QStringLiteral("0"));
        button(window, "CmdOk")->click();
        EXPECT_EQ(window.result(), QDialog::Accepted);
        EXPECT_EQ(stored(QStringLiteral("AtBkApp0")), QStringLiteral("0")) << "stored as typed";
    }
    frmOptions window;
    EXPECT_EQ(box(window, "TXtDays")->text(), QStringLiteral("7"));
    EXPECT_EQ(stored(QStringLiteral("AtBkApp0")), QStringLiteral("7"));
}

TEST_F(Options, CancelWritesNothing)
{
    frmOptions window;
    type(window, "TxtTitle", QStringLiteral("Other"));
    type(window, "TXtDays", QStringLiteral("30"));
    button(window, "CmdCancel")->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(ini));
    EXPECT_EQ(stored(QStringLiteral("AtBkApp0")), QStringLiteral("7"));
}

TEST_F(Options, BrowseSetsTheChosenFolderWithATrailingSlash)
{
    frmOptions window;
    const QString before = box(window, "TxtBk")->text();
    scripted->answerFile(std::nullopt);
    button(window, "CmdBk")->click();
    EXPECT_EQ(box(window, "TxtBk")->text(), before) << "a cancelled choice changes nothing";
    ASSERT_EQ(scripted->files().size(), 1u);
    EXPECT_EQ(scripted->files()[0].mode, FileRequest::Mode::Folder);
    EXPECT_EQ(scripted->files()[0].folder, before);

    for (const QString& chosen : {books.home.file(QStringLiteral("bk")), books.home.file(QStringLiteral("bk/"))}) {
        scripted->answerFile(chosen);
        button(window, "CmdBk")->click();
        EXPECT_EQ(box(window, "TxtBk")->text(), books.home.file(QStringLiteral("bk/")));
    }
}

TEST_F(Options, ASettingsFileThatCannotBeWrittenIsReportedAndOkStaysOpen)
{
    QDir().mkpath(ini); // a folder where the file should go
    frmOptions window;
    type(window, "TXtDays", QStringLiteral("3"));
    scripted->answer(MessageAnswer::Abort);
    button(window, "CmdOk")->click();
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_TRUE(scripted->messages()[0].text.startsWith(QStringLiteral("Error Number      = 75")))
        << scripted->messages()[0].text.toStdString();
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_EQ(stored(QStringLiteral("AtBkApp0")), QStringLiteral("7")) << "nothing half-saved";
}

TEST_F(Options, TheBooksAreLockedUpToADayOfTheYearAndOnlyAnAdministratorMovesTheLockBack)
{
    const auto lockedUntil = [this] {
        return books.conn().scalar(QStringLiteral("select value from booksetting where name = 'LockedUntil'")).toString();
    };
    const QDate day = books.year.start.addMonths(6).addDays(-1);
    {
        frmOptions w;
        EXPECT_EQ(box(w, "TxtLock")->text(), QString());
        type(w, "TxtLock", datetext::format(books.year.start.addDays(-1)));
        EXPECT_FALSE(w.CmdApply_Click());
        EXPECT_EQ(scripted->texts(),
                  QStringList({QStringLiteral("The books can be locked up to a day of the financial year %1 (%2 to %3) "
                                              "only.")
                                   .arg(books.year.label(), datetext::format(books.year.start),
                                        datetext::format(books.year.end))}));
        type(w, "TxtLock", datetext::format(day));
        EXPECT_TRUE(w.CmdApply_Click());
        EXPECT_EQ(lockedUntil(), day.toString(Qt::ISODate));
    }
    scripted->clear();
    {
        // Moving the lock back asks for the password again; Cancel keeps it.
        frmOptions w;
        EXPECT_EQ(box(w, "TxtLock")->text(), datetext::format(day));
        box(w, "TxtLock")->clear();
        scripted->answerInput(std::nullopt);
        EXPECT_FALSE(w.CmdApply_Click());
        ASSERT_EQ(scripted->inputs().size(), 1u);
        EXPECT_TRUE(scripted->inputs()[0].secret);
        EXPECT_EQ(lockedUntil(), day.toString(Qt::ISODate));
    }
    books.conn().execute(QStringLiteral("update userrole set role = 'Accountant' where userid = 'MERION'"));
    books.conn().execute(QStringLiteral("insert into loginuser(userid, username) values('BOSS', 'BOSS')"));
    books.conn().execute(QStringLiteral("insert into userrole(userid, role) values('BOSS', 'Administrator')"));
    scripted->clear();
    {
        frmOptions w;
        EXPECT_TRUE(w.CmdApply_Click()) << "the other options are saved while the lock stays as it is";
        type(w, "TxtLock", datetext::format(day.addDays(1)));
        EXPECT_FALSE(w.CmdApply_Click());
        EXPECT_EQ(scripted->inputs().size(), 0u) << "an Accountant is not asked for a password";
        EXPECT_EQ(scripted->texts().size(), 1u);
        EXPECT_EQ(lockedUntil(), day.toString(Qt::ISODate));
    }
}
