#include "app/yearend/YearEndBooks.h"
#include "data/FinancialYear.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "support/QtPrinters.h"
#include "yearend/BackupCopy.h"
#include "yearend/BackupRestore.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::test;

namespace {

const char* const kTables[] = {"account", "organization", "accountopening", "journal", "shopacc", "loginuser", "PostSettings"};

// The books of 2008-09, open as the program keeps them, and a backup.
struct Restore : ::testing::Test {
    QTemporaryDir app;
    QString books = app.filePath(QStringLiteral("Data/account0809.db"));
    QString safe = app.filePath(QStringLiteral("BackUp/App00809"));
    QString backup = app.filePath(QStringLiteral("020409101500_0809.bak"));
    db::Connection conn;
    QDateTime now{QDate(2009, 4, 2), QTime(14, 30, 5)};

    void SetUp() override
    {
        QDir().mkpath(app.filePath(QStringLiteral("Data")));
        data::createYearBooks(books);
        conn.Open(books);
        fillSampleBooks(conn);
        yearend::backUpYearDatabase(books, backup);
    }
    yearend::BackupRestore restorer()
    {
        return yearend::BackupRestore(conn, books, data::FinancialYear::beginningIn(2008), safe);
    }
    QStringList dumpAll(const QString& file)
    {
        QStringList all;
        for (const char* table : kTables)
            all << QLatin1String(table) << dumpTable(file, QLatin1String(table));
        return all;
    }
    void changeBooks()
    {
        conn.executeScript(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                          "values(1, 1, 7, '2008-06-01', 99);"
                                          "delete from loginuser where userid = 'ANNA';"
                                          "update account set AccountName = 'WAGES' where accno = 7;"));
    }
};

} // namespace

TEST_F(Restore, PutsTheBackupInPlaceAndKeepsTheBooksAsTheyWere)
{
    const QStringList backedUp = dumpAll(backup);
    changeBooks();
    const QStringList changed = dumpAll(books);

    yearend::BackupRestore restore = restorer();
    const yearend::BackupSummary summary = restore.prepare(backup);
    EXPECT_EQ(summary.heads, 3);
    EXPECT_EQ(summary.institutions, 2);
    EXPECT_EQ(summary.vouchers, 2);
    EXPECT_EQ(summary.firstVoucher, QDate(2008, 5, 1));
    EXPECT_EQ(summary.lastVoucher, QDate(2009, 3, 31));
    EXPECT_TRUE(summary.belongsToYear);
    EXPECT_EQ(dumpAll(books), changed) << "nothing is replaced before restore()";

    const yearend::RestoreResult result = restore.restore(now);
    EXPECT_EQ(result.safetyCopy, QDir(safe).filePath(QStringLiteral("BeforeRestore020409143005_0809.bak")));
    EXPECT_EQ(result.cash.accno, 1);
    EXPECT_FALSE(result.upgraded);
    EXPECT_EQ(conn.State(), 1) << "the books are open again";
    EXPECT_EQ(conn.scalar(QStringLiteral("select AccountName from account where accno = 7")).toString(), QStringLiteral("SALARY"));
    EXPECT_EQ(dumpAll(books), backedUp);
    EXPECT_EQ(dumpAll(result.safetyCopy), changed);
    EXPECT_FALSE(QFileInfo::exists(books + QStringLiteral(".restoring")));
}

TEST_F(Restore, AFileThatIsNoSoundBackupIsRefusedAndTheBooksAreUntouched)
{
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(app.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    // A backup whose second half is overwritten.
    QFile original(backup);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray damaged = original.readAll();
    const qsizetype half = damaged.size() / 2;
    damaged.replace(half, damaged.size() - half, QByteArray(damaged.size() - half, '\x5a'));
    const QString foreign = app.filePath(QStringLiteral("foreign.bak"));
    {
        db::Connection other;
        other.Open(foreign, false);
        other.execute(QStringLiteral("create table recipes(name text)"));
    }
    // Books without their cash account's setting.
    const QString noCash = app.filePath(QStringLiteral("nocash.bak"));
    yearend::copyYearDatabase(books, noCash);
    {
        db::Connection other;
        other.Open(noCash);
        other.execute(QStringLiteral("delete from PostSettings"));
    }
    const struct {
        const char* name;
        QString file;
        QString message;
    } cases[] = {
        {"missing", app.filePath(QStringLiteral("none.bak")), QStringLiteral("does not exist or is empty")},
        {"empty", write(QStringLiteral("empty.bak"), {}), QStringLiteral("does not exist or is empty")},
        {"text", write(QStringLiteral("notes.bak"), QByteArray("not a database at all").repeated(300)), QString()},
        {"damaged", write(QStringLiteral("damaged.bak"), damaged), QString()},
        {"foreign", foreign, QStringLiteral("does not hold the books of a financial year")},
        {"no cash account", noCash, QStringLiteral("have no cash account")},
    };
    const QByteArray before = fileHash(books);
    const QStringList rows = dumpAll(books);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        yearend::BackupRestore restore = restorer();
        try {
            restore.prepare(c.file);
            ADD_FAILURE() << "accepted";
        } catch (const PellamError& e) {
            EXPECT_TRUE(e.Description().startsWith(QStringLiteral("The backup was not restored: "))) << e.Description().toStdString();
            EXPECT_TRUE(e.Description().contains(c.message)) << e.Description().toStdString();
        }
        EXPECT_THROW(restore.restore(now), PellamError) << "nothing unchecked is ever put in place";
        EXPECT_EQ(fileHash(books), before);
        EXPECT_EQ(dumpAll(books), rows);
        EXPECT_FALSE(QFileInfo::exists(books + QStringLiteral(".restoring")));
        EXPECT_FALSE(QFileInfo::exists(safe));
    }
}

// A backup is checked as a restore checks it: what a restore would refuse
// is never called a backup, and both say why in the same words.
TEST_F(Restore, ABackupIsCalledMadeOnlyWhenARestoreWouldTakeIt)
{
    conn.Close();
    const struct {
        const char* what;
        const char* change;
        QString why;
    } cases[] = {
        {"no journal", "drop view journalview; drop table journal;",
         QStringLiteral("The file %1 does not hold the books of a financial year: it has no table journal.")},
        {"no institutions' table", "drop table organization;",
         QStringLiteral("The file %1 does not hold the books of a financial year: it has no table organization.")},
        {"no cash account", "delete from PostSettings;", QStringLiteral("The books in %1 have no cash account.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString source = app.filePath(QStringLiteral("damaged.db"));
        QFile::remove(source);
        ASSERT_TRUE(QFile::copy(books, source));
        {
            db::Connection damage;
            damage.Open(source);
            damage.executeScript(QLatin1String(c.change));
        }
        const QByteArray before = fileHash(source);
        const QString target = app.filePath(QStringLiteral("made.bak"));
        try {
            yearend::backUpYearDatabase(source, target);
            ADD_FAILURE() << "called a backup";
        } catch (const PellamError& e) {
            EXPECT_EQ(e.Number(), InvalidFileFormat);
            EXPECT_EQ(e.Description(), QStringLiteral("The backup copy could not be made: ") + c.why.arg(source));
        }
        EXPECT_FALSE(QFileInfo::exists(target));
        EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral(".partial")));
        EXPECT_EQ(fileHash(source), before);
        try {
            restorer().prepare(source);
            ADD_FAILURE() << "restored";
        } catch (const PellamError& e) {
            EXPECT_EQ(e.Description(), QStringLiteral("The backup was not restored: ") + c.why.arg(source));
        }
    }
}

TEST_F(Restore, TellsWhetherTheBackupBelongsToTheYear)
{
    const QString emptyBooks = app.filePath(QStringLiteral("Data/account0910.db"));
    data::createYearBooks(emptyBooks);
    const QString laterVouchers = app.filePath(QStringLiteral("later_0809.bak"));
    yearend::copyYearDatabase(books, laterVouchers);
    {
        db::Connection later;
        later.Open(laterVouchers);
        later.execute(QStringLiteral("update journal set joudate = '2009-04-01' where joudate = '2009-03-31'"));
    }
    const struct {
        QString file;
        bool belongs;
    } cases[] = {
        {backup, true},
        {laterVouchers, false},   // by its vouchers, whatever its name
        {emptyBooks, false},      // no vouchers: by its name, 0910
    };
    for (const auto& c : cases) {
        yearend::BackupRestore restore = restorer();
        EXPECT_EQ(restore.prepare(c.file).belongsToYear, c.belongs) << c.file.toStdString();
    }
    const QString renamed = app.filePath(QStringLiteral("copy_0809.bak"));
    QFile::copy(emptyBooks, renamed);
    EXPECT_TRUE(restorer().prepare(renamed).belongsToYear);
}

TEST_F(Restore, BooksOpenInAnotherProgramAreNotReplaced)
{
    changeBooks();
    const QStringList changed = dumpAll(books);
    db::Connection clerk;
    clerk.OpenHeld(books);
    yearend::BackupRestore restore = restorer();
    restore.prepare(backup);
    try {
        restore.restore(now);
        ADD_FAILURE() << "replaced under the program working in them";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), 3261);
        EXPECT_EQ(e.Description(), QStringLiteral("The backup was not restored: the books %1 are open in another program; "
                                                  "close them there and restore again.")
                                       .arg(books));
    }
    EXPECT_EQ(conn.State(), 1);
    EXPECT_TRUE(restore.booksIntact());
    EXPECT_EQ(dumpAll(books), changed);
    EXPECT_FALSE(QFileInfo::exists(safe)) << "no safety copy";
    clerk.Close();
    restore.restore(now);
    EXPECT_EQ(dumpAll(books), dumpAll(backup));
}

TEST_F(Restore, RemovesWhatAnInterruptedRestoreLeftAndSaysSo)
{
    for (const char* suffix : {".restoring", ".restoring-wal", ".restoring.partial"}) {
        QFile f(books + QLatin1String(suffix));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("left");
    }
    QStringList said;
    yearend::BackupRestore restore(conn, books, data::FinancialYear::beginningIn(2008), safe,
                                   [&](const QString& text) { said << text; });
    restore.prepare(backup);
    const QString line = QStringLiteral("Removed %1, left by an interrupted restore");
    EXPECT_EQ(said.mid(0, 2), QStringList({line.arg(QDir::toNativeSeparators(books + QStringLiteral(".restoring"))),
                                           line.arg(QDir::toNativeSeparators(books + QStringLiteral(".restoring.partial")))}));
    EXPECT_FALSE(QFileInfo::exists(books + QStringLiteral(".restoring.partial")));
    EXPECT_FALSE(QFileInfo::exists(books + QStringLiteral(".restoring-wal")));
    EXPECT_EQ(dumpAll(books + QStringLiteral(".restoring")), dumpAll(backup)) << "staged afresh";
}
