#include "app/AppTestBooks.h"
#include "app/DamagedVouchers.h"
#include "core/AppState.h"
#include "data/YearBooks.h"
#include "database/Connection.h"
#include "dialogs/ScriptedDialogs.h"
#include "settings/SettingsStore.h"
#include "shell/ProgramEnd.h"
#include "startup/frmSplash.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"
#include "system/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

const QString kKey = QStringLiteral("Software\\Pellam\\Coffer9.0");

QString setting(const QString& name)
{
    return SettingsStore::read(SettingsStore::LocalMachine, kKey, name).value_or(QString());
}

// The start-up window after its first timer tick, waiting for the date.
struct Startup : ::testing::Test {
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    std::unique_ptr<frmSplash> splash;
    std::unique_ptr<QSignalSpy> ready, ended;
    const data::FinancialYear year2627 = data::FinancialYear::beginningIn(2026);

    void SetUp() override
    {
        state().Conn.Close();
        start();
    }
    void TearDown() override { state().Conn.Close(); }

    void start()
    {
        splash = std::make_unique<frmSplash>();
        splash->timer()->stop();
        ready = std::make_unique<QSignalSpy>(splash.get(), &frmSplash::booksReady);
        ended = std::make_unique<QSignalSpy>(splash.get(), &frmSplash::startupEnded);
        splash->Timer1_Timer();
    }

    void confirm(const QString& date)
    {
        splash->findChild<QLineEdit*>(QStringLiteral("TxtDate"))->setText(date);
        splash->CmdOk_Click();
    }

    QString booksOf(const data::FinancialYear& y) { return data::yearDatabasePath(AppFolders::data(), y); }

    void makeBooks(const data::FinancialYear& y) { data::createYearBooks(booksOf(y)); }
};

} // namespace

TEST_F(Startup, PreparesFoldersAndOffersTodayAsTheWorkingDate)
{
    for (const char* folder : {"Temp", "BackUp", "Data"})
        EXPECT_TRUE(QDir(AppFolders::home()).exists(QString::fromLatin1(folder))) << folder;
    EXPECT_EQ(splash->findChild<QLineEdit*>(QStringLiteral("TxtDate"))->text(),
              QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Get System Date"));
    EXPECT_EQ(state().ErrorLog, QDir(AppFolders::home()).filePath(QStringLiteral("error.log")));
    EXPECT_EQ(state().Util.UserName(), QStringLiteral("0"));
}

TEST_F(Startup, RemovesReportFilesLeftByEarlierRuns)
{
    const QDir temp(AppFolders::temp());
    const QStringList left{temp.filePath(QStringLiteral("rptAb12Cd.tmp")), temp.filePath(QStringLiteral("radEf34Gh.tmp")),
                           QDir(AppFolders::home()).filePath(QStringLiteral("old.tmp"))};
    const QString kept = temp.filePath(QStringLiteral("notes.txt"));
    for (const QString& path : left + QStringList{kept}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    }
    start();
    for (const QString& path : left)
        EXPECT_FALSE(QFile::exists(path)) << path.toStdString();
    EXPECT_TRUE(QFile::exists(kept)) << "only report files are the program's to remove";
}

TEST_F(Startup, RefusesAWorkingDateThatIsNoDate)
{
    confirm(QStringLiteral("29/02/2009"));
    ASSERT_EQ(scripted->texts(), QStringList{QStringLiteral("Invalid date Selected")});
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(ready->count() + ended->count(), 0) << "the prompt stays";
}

TEST_F(Startup, FirstRunCreatesTheBooksOfTheWorkingDatesYear)
{
    scripted->answer(MessageAnswer::Yes);
    confirm(QStringLiteral("15/01/2027"));
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral("No books exist yet. Create the books for the financial year 2026-2027?"));
    EXPECT_EQ(scripted->messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ready->count(), 1);
    EXPECT_EQ(state().DbFile, booksOf(year2627));
    EXPECT_TRUE(QFile::exists(booksOf(year2627)));
    EXPECT_EQ(state().YearStart, QDate(2026, 4, 1));
    EXPECT_EQ(state().YearEnd, QDate(2027, 3, 31));
    EXPECT_EQ(state().CashAccName, QStringLiteral("CASH A/C"));
    EXPECT_EQ(state().CashAccCode, QStringLiteral("CASH"));
    EXPECT_EQ(state().AppKey, QStringLiteral("App0"));
    EXPECT_EQ(state().Conn.State(), 1);
    EXPECT_EQ(setting(QStringLiteral("DApp0")), QDate::currentDate().toString(QStringLiteral("d.M.yy")));
}

TEST_F(Startup, FirstRunDeclinedEndsWithoutBooks)
{
    scripted->answer(MessageAnswer::No);
    confirm(QStringLiteral("01/04/2026"));
    EXPECT_EQ(ended->count(), 1);
    EXPECT_FALSE(QFile::exists(booksOf(year2627)));
}

TEST_F(Startup, AYearWithoutBooksEndsWhenOtherYearsExist)
{
    makeBooks(data::FinancialYear::beginningIn(2025));
    confirm(QStringLiteral("01/04/2026"));
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral("       Invalid Database or Date..... \r\rDatabase is not Created for the Financial Year"));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(ended->count(), 1);
}

TEST_F(Startup, RenamesTheCashAccountAndRepairsTheOpenings)
{
    makeBooks(year2627);
    {
        db::Connection c;
        c.Open(booksOf(year2627));
        c.execute(QStringLiteral("update account set AccountName='Cash'"));
        const int cash = c.scalar(QStringLiteral("select accno from CurCashAccount")).toInt();
        c.execute(QStringLiteral("insert into accountopening(accno,shopid,opamt,optype) values(?,1,5000,'D')"), {cash});
    }
    confirm(QStringLiteral("31/03/2027"));
    EXPECT_EQ(ready->count(), 1);
    EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral("The opening Amount may be changed.......")});
    EXPECT_EQ(state().Conn.scalar(QStringLiteral("select AccountName from account where accno=?"), {state().CashAccNo}).toString(),
              QStringLiteral("CASH A/C"));
    EXPECT_EQ(state().Conn.scalar(QStringLiteral("select count(*) from accountopening where accno=?"), {state().CashAccNo}).toInt(), 1);
}

TEST_F(Startup, NamesUnreadableVouchersAndGoesOn)
{
    makeBooks(year2627);
    db::Connection c;
    c.Open(booksOf(year2627));
    test::unguardJournal(c);
    for (const test::DamagedVoucher& damaged : test::kDamagedVouchers) {
        const qint64 jouNo = test::addDamagedVoucher(c, damaged);
        state().Conn.Close();
        scripted->clear();
        start();
        confirm(QStringLiteral("01/04/2026"));
        EXPECT_EQ(ready->count(), 1) << damaged.what;
        ASSERT_FALSE(scripted->messages().empty()) << damaged.what;
        EXPECT_EQ(scripted->messages().back().text, test::unreadableMessage(jouNo, damaged)) << damaged.what;
        EXPECT_EQ(scripted->messages().back().icon, MessageIcon::Critical) << damaged.what;
        c.execute(QStringLiteral("delete from journal where jousrlno = ?"), {jouNo});
    }
}

TEST_F(Startup, BacksUpByItselfWhenTheIntervalHasPassed)
{
    makeBooks(year2627);
    SettingsStore::write(SettingsStore::LocalMachine, kKey, QStringLiteral("App0"),
                         QFileInfo(AppFolders::home()).canonicalFilePath());
    SettingsStore::write(SettingsStore::LocalMachine, kKey, QStringLiteral("AtBkApp0"), QStringLiteral("7"));
    const QString backupFolder = QDir(AppFolders::backup()).filePath(QStringLiteral("App0") + year2627.shortYears());

    SettingsStore::write(SettingsStore::LocalMachine, kKey, QStringLiteral("BkDtApp0"),
                         QDate::currentDate().addDays(-7).toString(QStringLiteral("dd/MM/yy")));
    confirm(QStringLiteral("01/04/2026"));
    EXPECT_EQ(ready->count(), 1);
    EXPECT_FALSE(QDir(backupFolder).exists()) << "exactly the interval: no backup yet";

    state().Conn.Close();
    SettingsStore::write(SettingsStore::LocalMachine, kKey, QStringLiteral("BkDtApp0"),
                         QDate::currentDate().addDays(-8).toString(QStringLiteral("dd/MM/yy")));
    start();
    confirm(QStringLiteral("01/04/2026"));
    EXPECT_EQ(ready->count(), 1);
    EXPECT_TRUE(scripted->messages().empty()) << "an automatic backup asks and says nothing";
    EXPECT_EQ(QDir(backupFolder).entryList({QStringLiteral("*_2627.bak")}, QDir::Files).size(), 1);
    EXPECT_EQ(setting(QStringLiteral("BkDtApp0")), QDate::currentDate().toString(QStringLiteral("dd/MM/yy")));
    EXPECT_EQ(state().Conn.State(), 1) << "start-up opens the books again after the backup";
}

TEST_F(Startup, OldBooksAreBackedUpUpgradedAndTheProgramEnds)
{
    makeBooks(year2627);
    {
        db::Connection c;
        c.Open(booksOf(year2627));
        c.execute(QStringLiteral("drop table AccUptodate"));
    }
    confirm(QStringLiteral("01/04/2026"));
    EXPECT_EQ(scripted->texts(), (QStringList{QStringLiteral("The Database update is required !!!!......."),
                                              QStringLiteral("Updating database is complete please Run the program again")}));
    EXPECT_EQ(ended->count(), 1);
    const QString backupFolder = QDir(AppFolders::backup()).filePath(QStringLiteral("App0") + year2627.shortYears());
    EXPECT_EQ(QDir(backupFolder).entryList({QStringLiteral("*.bak")}, QDir::Files).size(), 1);
    state().Conn.Close();
    db::Connection c;
    c.Open(booksOf(year2627));
    EXPECT_EQ(c.scalar(QStringLiteral("select dtupdate from AccUptodate")).toString(),
              QDate::currentDate().toString(Qt::ISODate));
}

// A year's file that holds no whole books, or books without a cash account,
// ends the program with one message, and is left byte for byte as it was:
// it is only looked at, never opened for writing, and nothing is made
// beside it.
TEST_F(Startup, AYearFileThatIsRefusedIsNamedPlainlyAndLeftAsItWas)
{
    const QString books = booksOf(year2627);
    const auto database = [&](const QString& sql, bool yearBooks) {
        const QString file = home.file(QStringLiteral("made.db"));
        QFile::remove(file);
        if (yearBooks)
            data::createYearBooks(file);
        db::Connection c;
        c.Open(file, false);
        c.executeScript(sql);
        c.Close();
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    const QString notBooks = QStringLiteral("       Invalid Database or Date..... \r\rThe file ") +
                             QDir::toNativeSeparators(books) + QStringLiteral(" does not hold the books of a financial year.");
    const QString noCash = QStringLiteral("Unable to continue......\r\rCash Account is not found....  \r\rPlease Contact the "
                                          "System Administrator  ");
    const struct {
        const char* what;
        QByteArray content;
        QString message; // what it begins with
    } cases[] = {
        {"empty", QByteArray(), notBooks},
        {"text", QByteArray(8192, 'x'), notBooks},
        {"a header only", QByteArray("SQLite format 3"), notBooks},
        {"another program's database", database(QStringLiteral("create table notes(line text);"), false), notBooks},
        {"no journal", database(QStringLiteral("drop view journalview; drop table journal;"), true), notBooks},
        {"no cash account", database(QStringLiteral("delete from PostSettings;"), true), noCash},
    };
    // Due: the automatic backup would come before the connection.
    SettingsStore::write(SettingsStore::LocalMachine, kKey, QStringLiteral("App0"),
                         QFileInfo(AppFolders::home()).canonicalFilePath());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SettingsStore::write(SettingsStore::LocalMachine, kKey, QStringLiteral("BkDtApp0"),
                             QDate::currentDate().addDays(-30).toString(QStringLiteral("dd/MM/yy")));
        QFile junk(books);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
        junk.write(c.content);
        junk.close();
        const QDateTime modified = QFileInfo(books).lastModified();
        scripted->clear();
        start();
        confirm(QStringLiteral("01/04/2026"));
        ASSERT_EQ(scripted->messages().size(), 1u);
        EXPECT_TRUE(scripted->messages()[0].text.startsWith(c.message)) << scripted->messages()[0].text.toStdString();
        EXPECT_EQ(ended->count(), 1);
        EXPECT_EQ(state().Conn.State(), 0);
        ASSERT_TRUE(junk.open(QIODevice::ReadOnly));
        EXPECT_EQ(junk.readAll(), c.content) << "the file is left as it was";
        junk.close();
        EXPECT_EQ(QFileInfo(books).lastModified(), modified);
        EXPECT_EQ(QDir(AppFolders::data()).entryList(QDir::Files), QStringList{QFileInfo(books).fileName()});
    }
}
