#include "app/data/TestBooks.h"
#include "support/QtPrinters.h"
#include "yearend/BackupCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::test;
using pellam::data::FinancialYear;

namespace {

QByteArray bytesOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(BackupNames, FolderFollowsTheSettingTheSlotAndTheYear)
{
    const FinancialYear year = FinancialYear::beginningIn(2008);
    EXPECT_EQ(yearend::backupFolder(QString(), QStringLiteral("/srv/pellam"), QStringLiteral("App0"), year),
              QStringLiteral("/srv/pellam/BackUp/App00809"));
    EXPECT_EQ(yearend::backupFolder(QStringLiteral("   "), QStringLiteral("/srv/pellam"), QStringLiteral("App0"), year),
              QStringLiteral("/srv/pellam/BackUp/App00809"));
    EXPECT_EQ(yearend::backupFolder(QStringLiteral(" /mnt/safe "), QStringLiteral("/srv/pellam"), QStringLiteral("App2"), year),
              QStringLiteral("/mnt/safe/App20809"));
    EXPECT_EQ(yearend::backupFolder(QStringLiteral("/mnt/safe/"), QStringLiteral("/srv/pellam"), QStringLiteral("App2"), year),
              QStringLiteral("/mnt/safe/App20809"));
}

TEST(BackupNames, FileNameIsTheMomentAndTheYears)
{
    const FinancialYear year = FinancialYear::beginningIn(2026);
    EXPECT_EQ(yearend::backupFileName(QDateTime(QDate(2026, 12, 6), QTime(14, 30, 5)), year),
              QStringLiteral("061226143005_2627.bak"));
    EXPECT_EQ(yearend::backupFileName(QDateTime(QDate(2027, 1, 9), QTime(8, 4, 0)), year),
              QStringLiteral("090127080400_2627.bak"));
}

TEST(BackupNames, FolderIsCreatedOnlyBelowAnExistingParent)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("App00809"));
    yearend::createBackupFolder(folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    yearend::createBackupFolder(folder);
    const QString orphan = dir.filePath(QStringLiteral("gone/App00809"));
    EXPECT_EQ(errorNumberOf([&] { yearend::createBackupFolder(orphan); }), 76);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone"))));
}

TEST(BackupCopy, CopyHoldsTheCommittedBooksWhileAnotherProgramWrites)
{
    TestBooks books;
    const int salary = books.addHead(QStringLiteral("SAL"), QStringLiteral("SALARY"));
    books.addVoucher(1, salary, 1);
    books.conn.BeginTrans();
    books.addVoucher(1, salary, 1); // not committed: not in the copy

    QStringList said;
    const QString target = books.dir.filePath(QStringLiteral("061226143005_2627.bak"));
    yearend::copyYearDatabase(books.file, target, [&](const QString& text) { said << text; });
    books.conn.RollbackTrans();

    EXPECT_EQ(said, QStringList({QStringLiteral("Copying the books to 061226143005_2627.bak"),
                                 QStringLiteral("Checking the copy"), QStringLiteral("The copy is complete")}));
    db::Connection copy;
    copy.Open(target);
    EXPECT_EQ(copy.scalar(QStringLiteral("select count(*) from journal")), QVariant(qint64(1)));
    EXPECT_EQ(copy.scalar(QStringLiteral("select accno from CurCashAccount")), QVariant(qint64(1)));
    copy.Close();
    EXPECT_EQ(filesIn(books.dir.path()), QStringList({QStringLiteral("061226143005_2627.bak"), QStringLiteral("account2627.db"),
                                                      QStringLiteral("account2627.db-shm"), QStringLiteral("account2627.db-wal")}));
}

TEST(BackupCopy, FailedCopyLeavesNoFileAndTheBooksUntouched)
{
    TestBooks books;
    books.addVoucher(1, 1, 1);
    books.conn.Close();
    const QByteArray before = bytesOf(books.file);

    const QString nowhere = books.dir.filePath(QStringLiteral("gone/x.bak"));
    const int number = errorNumberOf([&] { yearend::copyYearDatabase(books.file, nowhere); });
    EXPECT_NE(number, 0);
    EXPECT_FALSE(QFileInfo::exists(books.dir.filePath(QStringLiteral("gone"))));
    EXPECT_EQ(bytesOf(books.file), before);

    struct Case {
        const char* name;
        QByteArray bytes;
        int number;
    };
    const Case sources[] = {{"empty.db", QByteArray(), db::CannotOpen},
                            {"text.db", QByteArray("plain text, no database\n").repeated(100), db::CannotOpen}};
    for (const Case& c : sources) {
        const QString source = books.dir.filePath(QString::fromLatin1(c.name));
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        const QString target = books.dir.filePath(QStringLiteral("copy.bak"));
        EXPECT_EQ(errorNumberOf([&] { yearend::copyYearDatabase(source, target); }), c.number) << c.name;
        EXPECT_EQ(bytesOf(source), c.bytes) << c.name;
        EXPECT_FALSE(QFileInfo::exists(target)) << c.name;
        EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral(".partial"))) << c.name;
    }
    EXPECT_EQ(errorNumberOf([&] { yearend::copyYearDatabase(books.dir.filePath(QStringLiteral("none.db")),
                                                            books.dir.filePath(QStringLiteral("none.bak"))); }),
              53);
}

TEST(BackupCopy, AnotherKindOfDatabaseIsNoBackup)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("other.db"));
    {
        db::Connection conn;
        conn.Open(source, false);
        conn.execute(QStringLiteral("create table notes(text)"));
    }
    const QString target = dir.filePath(QStringLiteral("other.bak"));
    EXPECT_EQ(errorNumberOf([&] { yearend::copyYearDatabase(source, target); }), db::CannotOpen);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral(".partial")));
}
