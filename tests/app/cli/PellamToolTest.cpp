#include "app/DamagedVouchers.h"
#include "cli/PellamTool.h"
#include "core/InstallationSlot.h"
#include "data/FinancialYear.h"
#include "data/YearBooks.h"
#include "database/Connection.h"
#include "files/FileHold.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

struct Result {
    int code;
    QString out, err;
};

// The tool in a fresh application folder, at a fixed moment.
struct Tool : ::testing::Test {
    test::TempHome home;
    QDateTime now{QDate(2026, 12, 6), QTime(14, 30, 5)};

    // `input` is what standard input holds.
    Result run(const QStringList& arguments, QString input = {})
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err), inStream(&input);
        cli::PellamTool tool(outStream, errStream, now);
        tool.setInput(inStream);
        const int code = tool.run(arguments);
        return {code, out, err};
    }
    // Inside the application folder that TempHome sets.
    QString app(const QString& name) const { return home.file(QStringLiteral("home/") + name); }
    QString books(const char* name = "account2627.db") const { return app(QStringLiteral("Data/") + QLatin1String(name)); }
    QString query(const QString& file, const QString& sql)
    {
        db::Connection conn;
        conn.Open(file);
        return conn.scalar(sql).toString();
    }
    void execute(const QString& file, const QString& sql)
    {
        db::Connection conn;
        conn.Open(file);
        conn.executeScript(sql);
    }
};

} // namespace

TEST_F(Tool, InitMakesTheFoldersTheTemplateAndTheYearsBooksOnce)
{
    const Result made = run({QStringLiteral("init")});
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, QStringLiteral("Created the books for 2026-2027: %1\n").arg(books()));
    for (const char* path : {"Temp", "BackUp", "Data", "Account.bdk", "Data/account2627.db"})
        EXPECT_TRUE(QFileInfo::exists(app(QLatin1String(path)))) << path;

    const Result again = run({QStringLiteral("init")});
    EXPECT_EQ(again.code, 4);
    EXPECT_EQ(again.err, QStringLiteral("pellam: The books for the financial year 2026-2027 already exist (%1).\n")
                             .arg(books()));

    const QString elsewhere = home.file(QStringLiteral("other"));
    EXPECT_EQ(run({QStringLiteral("--home"), elsewhere, QStringLiteral("init"), QStringLiteral("--year"), QStringLiteral("2008")})
                  .code,
              0);
    EXPECT_TRUE(QFileInfo::exists(elsewhere + QStringLiteral("/Data/account0809.db")));

    const QString plainFile = home.file(QStringLiteral("plain"));
    QFile(plainFile).open(QIODevice::WriteOnly);
    const Result blocked = run({QStringLiteral("--home"), plainFile + QStringLiteral("/inner"), QStringLiteral("init")});
    EXPECT_EQ(blocked.code, 8);
    EXPECT_EQ(blocked.err, QStringLiteral("pellam: Cannot create the folder %1/inner.\n").arg(plainFile));
}

TEST_F(Tool, CheckPrintsEveryRepairItMakes)
{
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    execute(books(), QStringLiteral(
                         "update account set AccountName='Cash' where accno=1;"
                         "insert into account(accno, AccCode, AccountName) values(12, 'SAL', 'SALARY');"
                         "insert into organization(ShopId, shopName) values(2, 'DISPENSARY');"
                         "insert into accountopening values(12, 1, 0, 'C'); insert into accountopening values(12, 2, 0, 'C');"
                         "insert into accountopening values(1, 1, 500, 'D');"
                         "insert into journal(shopid, debitaccid, creditaccid, joudate, amount) values(2, 12, 1, '2026-05-01', 100);"));

    const Result checked = run({QStringLiteral("check"), QStringLiteral("--date"), QStringLiteral("15/01/2027")});
    EXPECT_EQ(checked.code, 0) << checked.err.toStdString();
    EXPECT_EQ(checked.out, QStringLiteral("Checking the books for 2026-2027: %1\n"
                                          "Cash account: CASH A/C (code CASH, number 1)\n"
                                          "Renamed the cash account to CASH A/C\n"
                                          "Listed ledger head 12 (SALARY) for institution 2, whose vouchers use it\n"
                                          "Added a zero opening for ledger head 1 (CASH A/C) in institution 2\n"
                                          "Replaced the duplicate openings of ledger head 1 (CASH A/C) in institution 1 by a zero opening\n"
                                          "Warning: the opening amount of the cash account may have changed\n"
                                          "4 repairs were made\n")
                                .arg(books()));
    EXPECT_EQ(query(books(), QStringLiteral("select count(*) from shopacc where accno=12 and Shopid=2")), QStringLiteral("1"));

    const Result clean = run({QStringLiteral("check")});
    EXPECT_TRUE(clean.out.endsWith(QStringLiteral("No repairs were needed\n"))) << clean.out.toStdString();
}

TEST_F(Tool, CheckBacksUpAndUpgradesOldBooks)
{
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    execute(books(), QStringLiteral("drop table AccUptodate; drop table shopacc;"));
    const Result checked = run({QStringLiteral("check")});
    EXPECT_EQ(checked.code, 0) << checked.err.toStdString();
    const QString copy = app(QStringLiteral("BackUp/App02627/061226143005_2627.bak"));
    EXPECT_TRUE(checked.out.contains(QStringLiteral("The books need an upgrade; backed up first to %1\nUpgraded the books\n").arg(copy)))
        << checked.out.toStdString();
    EXPECT_EQ(query(copy, QStringLiteral("select count(*) from sqlite_master where name='AccUptodate'")), QStringLiteral("0"));
    EXPECT_EQ(query(books(), QStringLiteral("select dtupdate from AccUptodate")), QDate::currentDate().toString(Qt::ISODate));
}

// A file as it lies: its bytes, when it was last written, and what lies
// beside it.
struct Untouched {
    QByteArray bytes;
    QDateTime modified;
    QStringList folder;

    static Untouched of(const QString& file)
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        return {f.readAll(), QFileInfo(file).lastModified(), QFileInfo(file).dir().entryList(QDir::Files, QDir::Name)};
    }
    friend bool operator==(const Untouched&, const Untouched&) = default;
};

// Whatever is in place of the year's books and is no whole books is refused
// before the command starts, with one line and the code for damaged books,
// and is left byte for byte as it was: not switched to a log, nothing made
// beside it. A file given to restore as a backup is left so too.
TEST_F(Tool, CommandsRefuseMissingOrDamagedBooksAndLeaveThemAsTheyWere)
{
    const auto database = [this](const char* name, const QString& sql, bool books) {
        const QString file = home.file(QLatin1String(name));
        if (books)
            data::createYearBooks(file);
        db::Connection conn;
        conn.Open(file, false);
        conn.executeScript(sql);
        return file;
    };
    const auto plain = [this](const char* name, const QByteArray& bytes) {
        const QString file = home.file(QLatin1String(name));
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return file;
    };
    // Books a program was working in when it stopped: the last changes are
    // still in the log beside them.
    const auto withLog = [this](const char* name, const QString& sql) {
        const QString working = home.file(QStringLiteral("working.db"));
        data::createYearBooks(working);
        db::Connection conn;
        conn.Open(working);
        conn.executeScript(QStringLiteral("pragma wal_autocheckpoint = 0;") + sql);
        const QString file = home.file(QLatin1String(name));
        for (const char* part : {"", "-wal", "-shm"})
            EXPECT_TRUE(QFile::copy(working + QLatin1String(part), file + QLatin1String(part)));
        return file;
    };
    const QStringList every[] = {{"check"}, {"backup"}, {"close-year"}, {"report", "ledger"}};
    struct Case {
        const char* what;
        QString file; // put in place of the books; empty: there are none
        int code;
        QString err;
        std::vector<QStringList> commands;
    };
    const Case cases[] = {
        {"missing", {}, 3, QStringLiteral("No books exist for the financial year 2026-2027 (%1).").arg(books()), {}},
        {"empty", plain("empty.db", {}), 6,
         QStringLiteral("The file %1 does not hold the books of a financial year.").arg(books()), {}},
        {"no database", plain("text.db", QByteArray("this is no database\n").repeated(100)), 6,
         QStringLiteral("The file %1 cannot be read: file is not a database").arg(books()), {}},
        {"another program's database", database("notes.db", QStringLiteral("create table notes(line text);"), false), 6,
         QStringLiteral("The file %1 does not hold the books of a financial year.").arg(books()), {}},
        {"no journal", database("nojournal.db", QStringLiteral("drop view journalview; drop table journal;"), true), 6,
         QStringLiteral("The file %1 does not hold the books of a financial year: it has no table journal.").arg(books()),
         {}},
        {"no journal, the log beside", withLog("stopped.db", QStringLiteral("drop view journalview; drop table journal;")), 6,
         QStringLiteral("The file %1 does not hold the books of a financial year: it has no table journal.").arg(books()),
         {}},
        // Reports and the closing can do without it.
        {"no cash account", database("nocash.db", QStringLiteral("delete from PostSettings;"), true), 6,
         QStringLiteral("The cash account is not found in the books %1.").arg(books()), {{"check"}, {"backup"}}},
    };
    QDir().mkpath(app(QStringLiteral("Data")));
    for (const Case& c : cases) {
        for (const QStringList& command : c.commands.empty() ? std::vector<QStringList>(std::begin(every), std::end(every))
                                                             : c.commands) {
            SCOPED_TRACE(std::string(c.what) + ": " + command.join(' ').toStdString());
            for (const char* part : {"", "-wal", "-shm"}) {
                QFile::remove(books() + QLatin1String(part));
                if (!c.file.isEmpty() && QFileInfo::exists(c.file + QLatin1String(part))) {
                    ASSERT_TRUE(QFile::copy(c.file + QLatin1String(part), books() + QLatin1String(part)));
                }
            }
            const Untouched before = c.file.isEmpty() ? Untouched{} : Untouched::of(books());
            const Result refused = run(command);
            EXPECT_EQ(refused.code, c.code);
            EXPECT_EQ(refused.err, QStringLiteral("pellam: %1\n").arg(c.err));
            EXPECT_TRUE(refused.out.isEmpty());
            if (!c.file.isEmpty()) {
                EXPECT_EQ(Untouched::of(books()), before);
            }
        }
    }
    EXPECT_FALSE(QFileInfo::exists(books("account2728.db"))) << "no next year's books were made";
    EXPECT_FALSE(QFileInfo::exists(app(QStringLiteral("BackUp/App02627/061226143005_2627.bak"))));

    for (const char* part : {"", "-wal", "-shm"})
        QFile::remove(books() + QLatin1String(part));
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    for (const Case& c : cases) {
        if (c.file.isEmpty())
            continue;
        SCOPED_TRACE(c.what);
        const Untouched backup = Untouched::of(c.file);
        EXPECT_EQ(run({QStringLiteral("restore"), c.file, QStringLiteral("--yes")}).code, 6);
        EXPECT_EQ(Untouched::of(c.file), backup);
    }
}

namespace {

const char* const kReports[] = {"ledger", "recpay", "summary", "monthly", "quarterly"};

} // namespace

// Unreadable vouchers are damaged books (exit 6): no repair mends them.
TEST_F(Tool, CheckAndEveryReportNameUnreadableVouchersAndFail)
{
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    db::Connection conn;
    conn.Open(books());
    test::unguardJournal(conn);
    conn.executeScript(QStringLiteral("insert into account(accno, AccCode, AccountName) values(2, 'DON', 'DONATIONS');"
                                      "insert into shopacc(accno, Shopid) values(2, 1);"
                                      "insert into accountopening values(2, 1, 0, 'C');"
                                      "insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                      "values(1, 1, 2, '2026-05-01', 100);"));
    for (const test::DamagedVoucher& damaged : test::kDamagedVouchers) {
        const qint64 jouNo = test::addDamagedVoucher(conn, damaged);
        const QString said = test::unreadableMessage(jouNo, damaged) + QLatin1Char('\n');
        const Result checked = run({QStringLiteral("check")});
        EXPECT_EQ(checked.code, 6) << damaged.what;
        EXPECT_TRUE(checked.err.endsWith(said) && checked.err.count(QLatin1Char('\n')) == 1)
            << damaged.what << ": " << checked.err.toStdString();
        EXPECT_TRUE(checked.out.endsWith(QStringLiteral("No repairs were needed\n"))) << damaged.what;
        for (const char* report : kReports) {
            const Result refused = run({QStringLiteral("report"), QLatin1String(report)});
            EXPECT_EQ(refused.code, 6) << damaged.what << ", " << report;
            EXPECT_EQ(refused.err, checked.err) << damaged.what << ", " << report;
            EXPECT_TRUE(refused.out.isEmpty()) << damaged.what << ", " << report;
        }
        conn.execute(QStringLiteral("delete from journal where jousrlno = ?"), {jouNo});
    }
    EXPECT_EQ(run({QStringLiteral("check")}).code, 0);
    for (const char* report : kReports)
        EXPECT_EQ(run({QStringLiteral("report"), QLatin1String(report)}).err, QString()) << report;
}

TEST_F(Tool, ReportsOnAFileThatHoldsNoBooksSayWhatCheckSays)
{
    QDir().mkpath(app(QStringLiteral("Data")));
    {
        db::Connection other;
        other.Open(books(), false);
        other.execute(QStringLiteral("create table notes(line text)"));
    }
    const Result checked = run({QStringLiteral("check")});
    EXPECT_EQ(checked.code, 6);
    EXPECT_TRUE(checked.err.endsWith(
        QStringLiteral("The file %1 does not hold the books of a financial year.\n").arg(books())))
        << checked.err.toStdString();
    for (const char* report : kReports) {
        const Result refused = run({QStringLiteral("report"), QLatin1String(report)});
        EXPECT_EQ(refused.code, 6) << report;
        EXPECT_EQ(refused.err, checked.err) << report;
    }
}

TEST_F(Tool, BackupGoesToTheSlotsFolderOrTheChosenFileAndIsRecorded)
{
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    const Result made = run({QStringLiteral("backup")});
    const QString copy = app(QStringLiteral("BackUp/App02627/061226143005_2627.bak"));
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, QStringLiteral("Backed up the books for 2026-2027 to %1\n").arg(copy));
    EXPECT_EQ(query(copy, QStringLiteral("select AccountName from account")), QStringLiteral("CASH A/C"));
    PellamUtility util;
    EXPECT_EQ(util.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, startup::kInstallationKey, QStringLiteral("BkDtApp0")),
              QStringLiteral("06/12/26"));

    const QString chosen = home.file(QStringLiteral("mine.bak"));
    EXPECT_EQ(run({QStringLiteral("backup"), QStringLiteral("--to"), chosen}).out,
              QStringLiteral("Backed up the books for 2026-2027 to %1\n").arg(chosen));
    EXPECT_TRUE(QFileInfo::exists(chosen));
}

// Older books keep passwords scrambled: check replaces them as start-up
// does, and backup does so before copying, so no copy carries them.
TEST_F(Tool, CheckAndBackupReplaceScrambledPasswordsFirst)
{
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    PellamUtility util;
    const QString scrambled = util.EnCrypt(QStringLiteral("Gopuram 9"));
    const auto scramble = [&] {
        db::Connection conn;
        conn.Open(books());
        conn.execute(QStringLiteral("update loginuser set userpwd = ? where userid = 'MERION'"), {scrambled});
        conn.execute(QStringLiteral("insert or replace into loginuser(userid, username, userpwd) values('KAMAL', 'KAMAL', ?)"),
                     {QStringLiteral("\u0915\u092E\u0932")});
    };
    const QString notice = QStringLiteral("The old password of user KAMAL cannot be read, so nobody can log in as KAMAL until "
                                          "the administrator resets it: delete the user in the User Manager and add it "
                                          "again.\n");
    const auto holdsScrambled = [&](const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains(scrambled.toUtf8());
    };

    // The password is tried as the older login tried it; the command
    // converts it and says so.
    const QStringList asMerion{QStringLiteral("--user"), QStringLiteral("merion"), QStringLiteral("--password-stdin")};
    scramble();
    const Result checked = run(QStringList{QStringLiteral("check")} + asMerion, QStringLiteral("Gopuram 9\n"));
    EXPECT_EQ(checked.code, 0) << checked.err.toStdString();
    EXPECT_TRUE(checked.out.endsWith(QStringLiteral("Replaced the scrambled password of user MERION by a hash\n") + notice +
                                     QStringLiteral("2 repairs were made\n")))
        << checked.out.toStdString();
    EXPECT_TRUE(query(books(), QStringLiteral("select userpwd from loginuser where userid = 'MERION'")).startsWith(QStringLiteral("$argon2id$")));

    scramble();
    const QString copy = home.file(QStringLiteral("mine.bak"));
    const Result backedUp =
        run(QStringList{QStringLiteral("backup"), QStringLiteral("--to"), copy} + asMerion, QStringLiteral("Gopuram 9\n"));
    EXPECT_EQ(backedUp.code, 0) << backedUp.err.toStdString();
    EXPECT_EQ(backedUp.out, QStringLiteral("Replaced the scrambled password of user MERION by a hash\n") + notice +
                                QStringLiteral("Backed up the books for 2026-2027 to %1\n").arg(copy));
    EXPECT_FALSE(holdsScrambled(copy));
    EXPECT_FALSE(holdsScrambled(books()));
    EXPECT_TRUE(query(copy, QStringLiteral("select userpwd from loginuser where userid = 'MERION'")).startsWith(QStringLiteral("$argon2id$")));
}

TEST_F(Tool, BackupRemovesWhatAnInterruptedBackupLeftAndSaysSo)
{
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    const QString folder = app(QStringLiteral("BackUp/App02627"));
    QDir().mkpath(folder);
    const auto make = [&](const char* name) {
        QFile f(QDir(folder).filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("left");
    };
    // An interrupted backup's copy with its logs; a finished backup; another
    // program's file; a backup being made at this moment.
    for (const char* name : {"051226110000_2627.bak.partial", "051226110000_2627.bak.partial-wal",
                             "051226110000_2627.bak.partial-shm", "051226120000_2627.bak", "notes.partial",
                             "061226143000_2627.bak.partial"})
        make(name);
    files::FileHold copying;
    ASSERT_TRUE(copying.take(QDir(folder).filePath(QStringLiteral("061226143000_2627.bak.partial")),
                             files::FileHold::Mode::Exclusive));

    const Result made = run({QStringLiteral("backup")});
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, QStringLiteral("Removed %1, left by an interrupted backup\nBacked up the books for 2026-2027 to %2\n")
                            .arg(QDir(folder).filePath(QStringLiteral("051226110000_2627.bak.partial")),
                                 QDir(folder).filePath(QStringLiteral("061226143005_2627.bak"))));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              QStringList({"051226120000_2627.bak", "061226143000_2627.bak.partial", "061226143000_2627.bak.partial-hold",
                           "061226143005_2627.bak", "notes.partial"}));
}

TEST_F(Tool, DemoBooksAreTheSameForTheSameSeedAndPassTheChecks)
{
    const QStringList demo = {QStringLiteral("demo"), QStringLiteral("--year"), QStringLiteral("2025"),
                              QStringLiteral("--institutions"), QStringLiteral("4"), QStringLiteral("--heads"),
                              QStringLiteral("45"), QStringLiteral("--vouchers"), QStringLiteral("600")};
    const Result made = run(demo);
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, QStringLiteral("Created sample books for 2025-2026: %1\n4 institutions, 45 ledger heads, 600 vouchers\n")
                            .arg(books("account2526.db")));

    const QString digest = QStringLiteral(
        "select count(*) || ':' || sum(amount) || ':' || min(joudate) || ':' || max(joudate) || ':' || "
        "group_concat(shopid || debitaccid || creditaccid || narration || billno, '|') from journal");
    const QString first = query(books("account2526.db"), digest);
    EXPECT_TRUE(first.startsWith(QStringLiteral("600:"))) << first.left(40).toStdString();
    EXPECT_EQ(query(books("account2526.db"), QStringLiteral("select count(*) from organization")), QStringLiteral("4"));
    EXPECT_EQ(query(books("account2526.db"), QStringLiteral("select count(*) from account")), QStringLiteral("46"));
    EXPECT_EQ(query(books("account2526.db"), QStringLiteral("select min(joudate) >= '2025-04-01' and max(joudate) <= '2026-03-31' "
                                                            "from journal")),
              QStringLiteral("1"));
    EXPECT_EQ(query(books("account2526.db"), QStringLiteral("select count(*) from organization where shopName like '%SCHOOL%' "
                                                            "or shopName like '%DISPENSARY%'")),
              QStringLiteral("2"));
    EXPECT_TRUE(run({QStringLiteral("check"), QStringLiteral("--date"), QStringLiteral("1/6/2025")})
                    .out.endsWith(QStringLiteral("No repairs were needed\n")));

    const QString again = home.file(QStringLiteral("again"));
    ASSERT_EQ(run(QStringList({QStringLiteral("--home"), again}) + demo).code, 0);
    EXPECT_EQ(query(again + QStringLiteral("/Data/account2526.db"), digest), first);
    const QString other = home.file(QStringLiteral("other"));
    ASSERT_EQ(run(QStringList({QStringLiteral("--home"), other}) + demo + QStringList({QStringLiteral("--seed"), QStringLiteral("2")}))
                  .code,
              0);
    EXPECT_NE(query(other + QStringLiteral("/Data/account2526.db"), digest), first);
}

TEST_F(Tool, WrongCallsGiveOneLineAndExitTwo)
{
    struct Case {
        QStringList arguments;
        const char* error;
    };
    const Case cases[] = {
        {{}, "no command given (commands: init, check, backup, restore, close-year, carry-forward, lock, demo, report, voucher, import; --help for more)"},
        {{QStringLiteral("close")}, "unknown command 'close' (commands: init, check, backup, restore, close-year, carry-forward, lock, demo, report, voucher, import)"},
        {{QStringLiteral("check"), QStringLiteral("--date")}, "--date needs a value"},
        {{QStringLiteral("check"), QStringLiteral("--date"), QStringLiteral("29/02/2009")},
         "--date must be a date as dd/mm/yyyy, not '29/02/2009'"},
        {{QStringLiteral("init"), QStringLiteral("--to"), QStringLiteral("x")}, "'init' takes no option '--to'"},
        {{QStringLiteral("demo"), QStringLiteral("--vouchers"), QStringLiteral("-5")},
         "--vouchers must be a whole number from 0 to 50000000, not '-5'"},
        {{QStringLiteral("demo"), QStringLiteral("--heads"), QStringLiteral("many")},
         "--heads must be a whole number from 1 to 30000, not 'many'"},
        {{QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("init")}, "unknown option '--year' before the command"},
        {{QStringLiteral("init"), QStringLiteral("check")}, "unexpected argument 'check'"},
        {{QStringLiteral("restore")}, "'restore' needs the name of a file"},
        {{QStringLiteral("restore"), QStringLiteral("a.bak"), QStringLiteral("b.bak")}, "unexpected argument 'b.bak'"},
        {{QStringLiteral("close-year"), QStringLiteral("x.bak")}, "unexpected argument 'x.bak'"},
        {{QStringLiteral("backup"), QStringLiteral("--yes")}, "--yes needs a value"},
        {{QStringLiteral("import"), QStringLiteral("banks"), QStringLiteral("a.csv")},
         "unknown import 'banks' (imports: vouchers, mapping, rule)"},
        {{QStringLiteral("import"), QStringLiteral("vouchers")}, "'import' needs the name of a file"},
        {{QStringLiteral("import"), QStringLiteral("vouchers"), QStringLiteral("a.csv"), QStringLiteral("--shop"),
          QStringLiteral("1")},
         "'import vouchers' takes no option '--shop'"},
    };
    for (const Case& c : cases) {
        const Result result = run(c.arguments);
        EXPECT_EQ(result.code, 2) << c.error;
        EXPECT_EQ(result.err, QStringLiteral("pellam: %1\n").arg(QLatin1String(c.error)));
    }
    EXPECT_FALSE(QFileInfo::exists(app(QStringLiteral("Data")))) << "nothing was made";
    const Result help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: pellam [--home DIR] COMMAND [OPTIONS]\n")));
    EXPECT_TRUE(help.out.endsWith(QStringLiteral(
        "\nExit codes:\n"
        "  0  done\n"
        "  1  failed: a voucher refused by its checks, or an error in the books, a file or the system\n"
        "  2  called wrongly: an unknown command or option, or a wrong value\n"
        "  3  no books exist for the financial year\n"
        "  4  the books to be made already exist (close-year: --yes replaces them)\n"
        "  5  the backup seems to be of another year (restore: --yes takes it)\n"
        "  6  the books or the backup are damaged: no year's books, no cash account, or vouchers that cannot be read\n"
        "  7  nothing to report: no records, or no cash account for the statement\n"
        "  8  a file or folder cannot be written\n"
        "  9  cancelled: Ctrl+C stopped the report before its file was written\n"
        "  10  not allowed: an unknown user, a missing or wrong password, or an action the user's role does not allow\n")))
        << help.out.toStdString();
}

TEST_F(Tool, TheProgramRunsWithoutADisplay)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/pellam");
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "pellam is not built beside the tests";
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);

    process.start(program, {QStringLiteral("--home"), app(QString()), QStringLiteral("init"), QStringLiteral("--year"), QStringLiteral("2026")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()),
              QStringLiteral("Created the books for 2026-2027: %1\n").arg(books()));

    process.start(program, {QStringLiteral("--home"), app(QString()), QStringLiteral("init"), QStringLiteral("--year"), QStringLiteral("2026")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 4);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
              QStringLiteral("pellam: The books for the financial year 2026-2027 already exist (%1).\n").arg(books()));
}

TEST_F(Tool, CloseYearCreatesTheNextBooksAndReplacesThemOnlyWithYes)
{
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    execute(books(), QStringLiteral("insert into account(accno, AccCode, AccountName) values(40, 'RENT', 'RENT RECEIVED');"
                                    "insert into journal(shopid, debitaccid, creditaccid, joudate, amount) values(1, 1, 40, '2026-06-01', 5000);"));
    const QString next = books("account2728.db");
    const Result made = run({QStringLiteral("close-year")});
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, QStringLiteral("  DataBase =%1\nTranfer Ledger heads\nTranfer Organisation\nTranfer Postsettings\n"
                                       "Tranfer loginuser\nTranfer Accounts....\nCarry forward closing balances\nCreated the books for 2027-2028: %1\n")
                            .arg(next));
    EXPECT_EQ(query(next, QStringLiteral("select AccountName from account where accno = 40")), QStringLiteral("RENT RECEIVED"));
    EXPECT_EQ(query(next, QStringLiteral("select count(*) from journal")), QStringLiteral("0"));

    const Result again = run({QStringLiteral("close-year"), QStringLiteral("--date"), QStringLiteral("31/03/2027")});
    EXPECT_EQ(again.code, 4);
    EXPECT_EQ(again.err, QStringLiteral("pellam: The books for the financial year 2027-2028 already exist (%1); "
                                        "--yes replaces them, keeping a copy.\n")
                             .arg(next));
    const Result replaced = run({QStringLiteral("close-year"), QStringLiteral("--yes")});
    EXPECT_EQ(replaced.code, 0) << replaced.err.toStdString();
    EXPECT_TRUE(replaced.out.contains(QStringLiteral("The books that were there are kept in %1\n")
                                          .arg(app(QStringLiteral("BackUp/tempbak143005account2728.bak")))));
}

TEST_F(Tool, RestorePutsACheckedBackupBackAndRefusesAnythingElse)
{
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    execute(books(), QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) values(1, 1, 1, '2026-06-01', 5000);"));
    const QString backup = home.file(QStringLiteral("june_2627.bak"));
    ASSERT_EQ(run({QStringLiteral("backup"), QStringLiteral("--to"), backup}).code, 0);
    execute(books(), QStringLiteral("delete from journal;"));

    const Result restored = run({QStringLiteral("restore"), backup});
    EXPECT_EQ(restored.code, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.out, QStringLiteral("Restored the books for 2026-2027 from %1: 1 ledger heads, 1 institutions, 1 vouchers "
                                           "dated from 01/06/2026 to 01/06/2026\n"
                                           "The books as they were before are kept in %2\n")
                                .arg(backup, app(QStringLiteral("BackUp/App02627/BeforeRestore061226143005_2627.bak"))));
    EXPECT_EQ(query(books(), QStringLiteral("select count(*) from journal")), QStringLiteral("1"));

    // Another year's backup needs --yes; a file that is no backup never goes in.
    execute(backup, QStringLiteral("update journal set joudate = '2025-06-01';"));
    const Result otherYear = run({QStringLiteral("restore"), backup});
    EXPECT_EQ(otherYear.code, 5);
    EXPECT_EQ(otherYear.err, QStringLiteral("pellam: The backup %1 may not hold the books of the financial year 2026-2027 "
                                            "(1 ledger heads, 1 institutions, 1 vouchers dated from 01/06/2025 to "
                                            "01/06/2025); --yes restores it anyway.\n")
                                 .arg(backup));
    const QString notes = home.file(QStringLiteral("notes.bak"));
    QFile f(notes);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("no books here ").repeated(400));
    f.close();
    const Result refused = run({QStringLiteral("restore"), notes, QStringLiteral("--yes")});
    EXPECT_EQ(refused.code, 6);
    EXPECT_EQ(refused.err, QStringLiteral("pellam: The backup was not restored: file is not a database\n"));
    EXPECT_EQ(query(books(), QStringLiteral("select joudate from journal")), QStringLiteral("2026-06-01"));

    EXPECT_EQ(run({QStringLiteral("restore"), backup, QStringLiteral("--yes")}).code, 0);
    EXPECT_EQ(query(books(), QStringLiteral("select joudate from journal")), QStringLiteral("2025-06-01"));
}
