#include "app/data/TestBooks.h"
#include "app/yearend/YearEndBooks.h"
#include "data/DatabaseFiles.h"
#include "data/FinancialYear.h"
#include "errors/PellamError.h"
#include "files/FileHold.h"
#include "support/QtPrinters.h"
#include "yearend/YearClosing.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::test;

namespace {

// The year 2008-09 open in an application folder with a template.
struct Closing : ::testing::Test {
    QTemporaryDir app;
    QString books = app.filePath(QStringLiteral("Data/account0809.db"));
    QString next = app.filePath(QStringLiteral("Data/account0910.db"));
    QDateTime now{QDate(2009, 4, 2), QTime(14, 30, 5)};
    QStringList log;

    void SetUp() override
    {
        QDir().mkpath(app.filePath(QStringLiteral("Data")));
        data::createYearBooks(books);
        db::Connection conn;
        conn.Open(books);
        fillSampleBooks(conn);
        data::ensureTemplate(app.path());
    }
    yearend::YearClosing closing() const
    {
        return yearend::YearClosing(app.path(), books, data::FinancialYear::beginningIn(2008));
    }
    QString run(bool replace)
    {
        yearend::YearClosing::Reporter reporter;
        reporter.log = [this](const QString& text) { log << text; };
        return closing().run(replace, reporter, now);
    }
    // The books and whatever else is left in the data folder; a reader's
    // logs and the hold programs take beside the books are no files of
    // their own.
    QStringList dataFiles() const
    {
        QStringList files = QDir(app.filePath(QStringLiteral("Data"))).entryList(QDir::Files, QDir::Name);
        files.removeIf([](const QString& name) {
            return name.endsWith(QLatin1String("-wal")) || name.endsWith(QLatin1String("-shm")) ||
                   name.endsWith(QLatin1String("-hold"));
        });
        return files;
    }
};

} // namespace

TEST_F(Closing, CarriesHeadsInstitutionsSettingsAndUsersWithZeroDebitOpenings)
{
    {
        db::Connection conn;
        conn.Open(books);
        conn.executeScript(QStringLiteral(
            "insert into importmapping values('SBI', 'Txn Date', 'dd-mmm-yyyy', 'Credit', 'Debit', 'Description', '', 3);"
            "insert into importrule(mapping, contains, acccode) values('SBI', 'FEES', 'FEE');"));
    }
    const QByteArray before = fileHash(books);
    EXPECT_EQ(closing().newBooks(), next);
    EXPECT_EQ(run(false), QString()) << "nothing was replaced";

    EXPECT_EQ(log, QStringList({QStringLiteral("  DataBase =") + QDir::toNativeSeparators(next),
                                QStringLiteral("Tranfer Ledger heads"), QStringLiteral("Tranfer Organisation"),
                                QStringLiteral("Tranfer Postsettings"), QStringLiteral("Tranfer loginuser"),
                                QStringLiteral("Tranfer Accounts....")}));
    for (const char* table : {"account", "organization", "PostSettings", "loginuser", "importmapping", "importrule"})
        EXPECT_EQ(dumpTable(next, QLatin1String(table)), dumpTable(books, QLatin1String(table))) << table;
    EXPECT_EQ(dumpTable(next, QStringLiteral("importrule")), QStringList({"1|SBI|FEES|FEE"}));
    EXPECT_EQ(dumpTable(next, QStringLiteral("accountopening")),
              QStringList({"1|1|0|D", "1|3|0|D", "7|1|0|D", "7|3|0|D", "12|1|0|D", "12|3|0|D"}));
    EXPECT_TRUE(dumpTable(next, QStringLiteral("journal")).isEmpty());
    EXPECT_TRUE(dumpTable(next, QStringLiteral("shopacc")).isEmpty());
    EXPECT_EQ(dumpTable(next, QStringLiteral("CurCashAccount")).value(0), QStringLiteral("1|CASH|CASH A/C|1"));
    EXPECT_EQ(fileHash(books), before) << "the open year's books are only read";
    EXPECT_EQ(dataFiles(), QStringList({"account0809.db", "account0910.db"}));

    // The new books refuse what the reports could not read.
    db::Connection conn;
    conn.Open(next);
    for (const char* values : {"1, 1, 7, '2009-13-45', 100", "1, 1, 7, '2009-05-01', 'twelve'", "1, 1, 99, '2009-05-01', 100"})
        EXPECT_EQ(errorNumberOf([&] {
                      conn.execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                                  "values(%1)")
                                       .arg(QLatin1String(values)));
                  }),
                  StatementFailed)
            << values;
}

TEST_F(Closing, ClosingTwiceReplacesOnlyWhenToldAndKeepsASafetyCopy)
{
    run(false);
    {
        db::Connection conn;
        conn.Open(next);
        conn.execute(QStringLiteral("insert into account(AccCode, AccountName) values('NEW', 'TYPED IN THE NEW YEAR')"));
    }
    const QStringList firstResult = dumpTable(next, QStringLiteral("account"));

    try {
        run(false);
        FAIL() << "an existing new year's file was replaced without asking";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), 58);
    }
    EXPECT_EQ(dumpTable(next, QStringLiteral("account")), firstResult);

    log.clear();
    const QString safety = run(true);
    EXPECT_EQ(safety, app.filePath(QStringLiteral("BackUp/tempbak143005account0910.bak")));
    EXPECT_EQ(log.value(0), QStringLiteral("Safety copy of the existing database = ") + QDir::toNativeSeparators(safety));
    EXPECT_EQ(dumpTable(safety, QStringLiteral("account")), firstResult);
    EXPECT_EQ(dumpTable(next, QStringLiteral("account")), dumpTable(books, QStringLiteral("account")));

    // A third closing in the same second keeps the second copy too.
    EXPECT_EQ(run(true), app.filePath(QStringLiteral("BackUp/tempbak143005account0910-2.bak")));
}

TEST_F(Closing, AMissingTemplateIsWrittenAgain)
{
    QFile::remove(app.filePath(QStringLiteral("Account.bdk")));
    run(false);
    EXPECT_EQ(log.value(0), QStringLiteral("The template Account.bdk was missing; it was written again"));
    EXPECT_TRUE(QFileInfo::exists(app.filePath(QStringLiteral("Account.bdk"))));
    EXPECT_EQ(dumpTable(next, QStringLiteral("account")).size(), 3);
}

TEST_F(Closing, AFailureLeavesNoNewFileAndAnExistingOneAsItWas)
{
    struct Case {
        const char* name;
        bool replacing;
        std::function<void()> spoil;
    };
    const QString templateFile = app.filePath(QStringLiteral("Account.bdk"));
    const std::vector<Case> cases = {
        {"damaged template", false, [&] {
             QFile f(templateFile);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(QByteArray(4096, 'x'));
         }},
        // The new books lack a column of the open year's heads: the
        // carrying fails half-way, after the template was copied.
        {"column the new books lack", true, [&] {
             db::Connection conn;
             conn.Open(books);
             conn.execute(QStringLiteral("alter table account add column Budget integer"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(next);
        data::removeDatabaseFiles(templateFile);
        data::ensureTemplate(app.path());
        if (c.replacing)
            run(false);
        const QByteArray existing = fileHash(next);
        c.spoil();
        EXPECT_THROW(run(true), PellamError);
        EXPECT_EQ(dataFiles(), c.replacing ? QStringList({"account0809.db", "account0910.db"}) : QStringList({"account0809.db"}));
        EXPECT_EQ(fileHash(next), existing);
    }
}

TEST_F(Closing, NewBooksOpenInAnotherProgramAreNotReplaced)
{
    run(false);
    const QByteArray existing = fileHash(next);
    db::Connection clerk;
    clerk.OpenHeld(next);
    try {
        run(true);
        ADD_FAILURE() << "replaced under the program working in them";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), 3261);
        EXPECT_EQ(e.Description(),
                  QStringLiteral("The new year's database could not be created: the books for the financial year "
                                 "2009-2010 (%1) are open in another program; close them there and start the closing "
                                 "again.")
                      .arg(next));
    }
    EXPECT_EQ(fileHash(next), existing);
    EXPECT_TRUE(QDir(app.filePath(QStringLiteral("BackUp"))).entryList(QDir::Files).isEmpty()) << "no safety copy either";
    clerk.Close();
    EXPECT_EQ(run(true), app.filePath(QStringLiteral("BackUp/tempbak143005account0910.bak")));
}

TEST_F(Closing, RemovesWhatAnInterruptedClosingLeftAndSaysSo)
{
    run(false);
    QDir().mkpath(app.filePath(QStringLiteral("BackUp")));
    const auto make = [&](const char* name) {
        QFile f(app.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("left");
    };
    for (const char* name : {"Data/account0910.db.closing", "Data/account0910.db.closing-wal",
                             "Data/account0910.db.closing-shm", "Data/account0910.db.closing.partial",
                             "BackUp/tempbak101010account0910.bak.partial", "BackUp/tempbak101010account0910.bak.partial-journal",
                             // a finished safety copy, another year's closing, a copy being made now
                             "BackUp/tempbak101010account0910.bak", "BackUp/tempbak101010account1011.bak.partial",
                             "BackUp/tempbak111111account0910.bak.partial"})
        make(name);
    files::FileHold copying;
    ASSERT_TRUE(copying.take(app.filePath(QStringLiteral("BackUp/tempbak111111account0910.bak.partial")),
                             files::FileHold::Mode::Exclusive));

    log.clear();
    run(true);
    const QString line = QStringLiteral("Removed %1, left by an interrupted closing");
    EXPECT_EQ(log.mid(0, 3),
              QStringList({line.arg(QDir::toNativeSeparators(app.filePath(QStringLiteral("Data/account0910.db.closing")))),
                           line.arg(QDir::toNativeSeparators(app.filePath(QStringLiteral("Data/account0910.db.closing.partial")))),
                           line.arg(QDir::toNativeSeparators(
                               app.filePath(QStringLiteral("BackUp/tempbak101010account0910.bak.partial"))))}));
    EXPECT_EQ(dataFiles(), QStringList({"account0809.db", "account0910.db"}));
    EXPECT_EQ(QDir(app.filePath(QStringLiteral("BackUp"))).entryList(QDir::Files, QDir::Name),
              QStringList({"tempbak101010account0910.bak", "tempbak101010account1011.bak.partial",
                           "tempbak111111account0910.bak.partial", "tempbak111111account0910.bak.partial-hold",
                           "tempbak143005account0910.bak"}));
}
