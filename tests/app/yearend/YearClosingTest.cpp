#include "app/data/TestBooks.h"
#include "app/yearend/YearEndBooks.h"
#include "data/DatabaseFiles.h"
#include "data/DemoBooks.h"
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
    QString run(bool replace, bool carryForward = true)
    {
        yearend::YearClosing::Reporter reporter;
        reporter.log = [this](const QString& text) { log << text; };
        yearend::YearClosing c = closing();
        c.setCarryForward(carryForward);
        return c.run(replace, reporter, now);
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

TEST_F(Closing, WithZeroOpeningsCarriesHeadsInstitutionsSettingsAndUsersWithZeroDebitOpenings)
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
    EXPECT_EQ(run(false, false), QString()) << "nothing was replaced";

    EXPECT_EQ(log, QStringList({QStringLiteral("  DataBase =") + QDir::toNativeSeparators(next),
                                QStringLiteral("Tranfer Ledger heads"), QStringLiteral("Tranfer Organisation"),
                                QStringLiteral("Tranfer Postsettings"), QStringLiteral("Tranfer loginuser"),
                                QStringLiteral("Tranfer Accounts....")}));
    for (const char* table :
         {"account", "organization", "PostSettings", "loginuser", "userrole", "shopacc", "importmapping", "importrule"})
        EXPECT_EQ(dumpTable(next, QLatin1String(table)), dumpTable(books, QLatin1String(table))) << table;
    EXPECT_EQ(dumpTable(next, QStringLiteral("importrule")), QStringList({"1|SBI|FEES|FEE"}));
    EXPECT_EQ(dumpTable(next, QStringLiteral("accountopening")),
              QStringList({"1|1|0|D", "1|3|0|D", "7|1|0|D", "7|3|0|D", "12|1|0|D", "12|3|0|D"}));
    EXPECT_TRUE(dumpTable(next, QStringLiteral("journal")).isEmpty());
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

TEST_F(Closing, CarriesTheClosingBalancesOfTheCashAccountAndTheBalanceHeads)
{
    {
        db::Connection conn;
        conn.Open(books);
        conn.execute(QStringLiteral("insert into balancehead(accno) values(7)"));
    }
    run(false);
    EXPECT_EQ(log.mid(5), QStringList({QStringLiteral("Tranfer Accounts...."), QStringLiteral("Carry forward closing balances")}));
    // Cash: 5,000.00 + 2,500.00 in institution 1; 1.00 - 15,000.00 in 3.
    // SALARY: a 120.00 credit opening in 1; paid 15,000.00 in 3. DONATIONS
    // is no balance head: it opens at zero.
    EXPECT_EQ(dumpTable(next, QStringLiteral("accountopening")),
              QStringList({"1|1|750000|D", "1|3|1499900|C", "7|1|12000|C", "7|3|1500000|D", "12|1|0|D", "12|3|0|D"}));
    db::Connection carried;
    carried.Open(next);
    EXPECT_EQ(carried.scalar(QStringLiteral("select group_concat(accno) from balancehead")).toString(), QStringLiteral("7"))
        << "the marks go on into the new year";
}

TEST_F(Closing, EveryCarriedOpeningOfLargerBooksIsItsClosingToThePaisa)
{
    const QString demo = app.filePath(QStringLiteral("Data/account0708.db"));
    data::createDemoBooks(demo, data::FinancialYear::beginningIn(2007), {4, 30, 3000, 7});
    QList<int> balanceHeads;
    {
        db::Connection conn;
        conn.Open(demo);
        conn.execute(QStringLiteral("insert into balancehead(accno) select accno from account where accno % 3 = 0"));
        // Vouchers of the year only: one dated in the next year is not
        // part of this year's closing.
        for (db::RecordSet rs = conn.query(QStringLiteral("select accno from balancehead")); !rs.eof(); rs.MoveNext())
            balanceHeads << int(rs.toInt(QStringLiteral("accno")));
    }
    ASSERT_GT(balanceHeads.size(), 5);
    yearend::YearClosing c(app.path(), demo, data::FinancialYear::beginningIn(2007));
    c.run(true, {}, now);

    // The closings worked out voucher by voucher, apart from the program's
    // own queries.
    QHash<QString, qint64> expected;
    db::Connection old;
    old.Open(demo);
    for (db::RecordSet rs = old.query(QStringLiteral("select accno, shopid, opamt, optype from accountopening"));
         !rs.eof(); rs.MoveNext()) {
        const qint64 amount = rs.toInt(QStringLiteral("opamt"));
        expected[rs.toString(QStringLiteral("accno")) + u'|' + rs.toString(QStringLiteral("shopid"))] +=
            rs.toString(QStringLiteral("optype")).toUpper() == QLatin1String("D") ? amount : -amount;
    }
    int receipts = 0, payments = 0;
    for (db::RecordSet rs = old.query(QStringLiteral("select shopid, debitaccid, creditaccid, amount from journal"));
         !rs.eof(); rs.MoveNext()) {
        const QString shop = rs.toString(QStringLiteral("shopid"));
        const qint64 amount = rs.toInt(QStringLiteral("amount"));
        expected[rs.toString(QStringLiteral("debitaccid")) + u'|' + shop] += amount;
        expected[rs.toString(QStringLiteral("creditaccid")) + u'|' + shop] -= amount;
        (rs.toInt(QStringLiteral("debitaccid")) == 1 ? receipts : payments)++;
    }
    ASSERT_GT(receipts, 100);
    ASSERT_GT(payments, 100);
    db::Connection carried;
    carried.Open(c.newBooks());
    int debits = 0, credits = 0, compared = 0;
    for (db::RecordSet rs = carried.query(QStringLiteral("select accno, shopid, opamt, optype from accountopening"));
         !rs.eof(); rs.MoveNext()) {
        const int accno = int(rs.toInt(QStringLiteral("accno")));
        const QString key = rs.toString(QStringLiteral("accno")) + u'|' + rs.toString(QStringLiteral("shopid"));
        const qint64 amount = rs.toInt(QStringLiteral("opamt"));
        const QString type = rs.toString(QStringLiteral("optype"));
        const qint64 opening = type == QLatin1String("D") ? amount : -amount;
        if (accno == 1 || balanceHeads.contains(accno)) {
            EXPECT_EQ(opening, expected.value(key)) << key.toStdString();
            EXPECT_EQ(type, expected.value(key) < 0 ? QStringLiteral("C") : QStringLiteral("D")) << key.toStdString();
            (opening < 0 ? credits : debits)++;
            ++compared;
        } else {
            EXPECT_EQ(amount, 0) << key.toStdString();
            EXPECT_EQ(type, QStringLiteral("D")) << key.toStdString();
        }
    }
    EXPECT_EQ(compared, (balanceHeads.size() + 1) * 4) << "every carried head in every institution";
    EXPECT_GT(debits, 0);
    EXPECT_GT(credits, 0);
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
