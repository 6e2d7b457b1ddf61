#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "files/FileHold.h"
#include "files/FileReplace.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::files;

namespace {

struct Folder : ::testing::Test {
    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString write(const char* name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray read(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QStringList names() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
};

} // namespace

TEST_F(Folder, ReplaceFileRenamesTheTemporaryIntoPlace)
{
    const QString target = write("books.db", "old");
    replaceFile(write("books.db.partial", "new"), target);
    EXPECT_EQ(read(target), QByteArray("new"));
    replaceFile(write("fresh.new", "made"), path("fresh"), IfTargetExists::Refuse);
    EXPECT_EQ(read(path("fresh")), QByteArray("made"));
    EXPECT_EQ(names(), QStringList({"books.db", "fresh"})) << "no temporary is left";
}

TEST_F(Folder, ReplaceFileReportsWhatItCouldNotDoAndLeavesBothFiles)
{
    const QString target = write("books.db", "kept");
    const struct {
        const char* name;
        QString temporary, target;
        IfTargetExists ifExists;
        int number;
        QString message;
    } cases[] = {
        {"target exists", write("books.db.new", "new"), target, IfTargetExists::Refuse, FileExists,
         QStringLiteral("Cannot rename %1 to %2: File exists").arg(path("books.db.new"), target)},
        {"no folder", path("books.db.new"), path("gone/books.db"), IfTargetExists::Replace, PathAccessError,
         QStringLiteral("Cannot rename %1 to %2: No such file or directory").arg(path("books.db.new"), path("gone/books.db"))},
        {"no temporary", path("none.partial"), target, IfTargetExists::Replace, PathAccessError,
         QStringLiteral("Cannot open %1 to flush it to the disk.").arg(path("none.partial"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            replaceFile(c.temporary, c.target, c.ifExists);
            ADD_FAILURE() << "renamed";
        } catch (const PellamError& e) {
            EXPECT_EQ(e.Number(), c.number);
            EXPECT_EQ(e.Description(), c.message);
        }
        EXPECT_EQ(read(target), QByteArray("kept"));
        EXPECT_EQ(read(path("books.db.new")), QByteArray("new"));
    }
}

TEST_F(Folder, SyncFolderAndCommitAndSyncReportFailures)
{
    syncFolder(dir.path());
    try {
        syncFolder(path("gone"));
        ADD_FAILURE() << "synced";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), DeviceIOError);
        EXPECT_EQ(e.Description(),
                  QStringLiteral("Cannot open the folder %1 to flush it to the disk: No such file or directory").arg(path("gone")));
    }

    QSaveFile settings(path("PellamAcc.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("title");
    QString why;
    EXPECT_TRUE(commitAndSync(settings, why));
    EXPECT_EQ(why, QString());
    EXPECT_EQ(read(path("PellamAcc.ini")), QByteArray("title"));
    QSaveFile nowhere(path("gone/PellamAcc.ini"));
    nowhere.open(QIODevice::WriteOnly);
    EXPECT_FALSE(commitAndSync(nowhere, why));
    EXPECT_EQ(names(), QStringList({"PellamAcc.ini"}));
}

// A file small enough to wait in QSaveFile's buffer until the commit is cut
// short there by a full disk: that is a failure too, and the file of that
// name stays as it was.
TEST_F(Folder, CommitAndSyncFailsAFileCutShortByAFullDisk)
{
    const QString target = write("report.txt", "the report of yesterday");
    QSaveFile report(target);
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    report.write(QByteArray(2000, 'x'));
    QString why;
    {
        test::FileSizeLimit fullDisk(1000);
        EXPECT_FALSE(commitAndSync(report, why));
    }
    EXPECT_EQ(why, QStringLiteral("File too large"));
    EXPECT_EQ(read(target), QByteArray("the report of yesterday"));
    EXPECT_EQ(names(), QStringList({"report.txt"}));

    EXPECT_EQ(cannotWrite(target, why).Description(),
              QStringLiteral("The file %1 cannot be written: File too large").arg(target));
    EXPECT_EQ(cannotWrite(target, why).Number(), DeviceIOError);
}

TEST_F(Folder, AHoldIsSharedOrAloneAndAHoldOfATemporaryGoesWithIt)
{
    const QString books = write("account2627.db", "books");
    FileHold first, second, alone;
    ASSERT_TRUE(first.take(books, FileHold::Mode::Shared));
    ASSERT_TRUE(second.take(books, FileHold::Mode::Shared));
    EXPECT_FALSE(alone.take(books, FileHold::Mode::Exclusive));
    first.release();
    EXPECT_FALSE(alone.take(books, FileHold::Mode::Exclusive));
    second.release();
    ASSERT_TRUE(alone.take(books, FileHold::Mode::Exclusive));
    EXPECT_FALSE(first.take(books, FileHold::Mode::Shared));
    alone.release();
    EXPECT_EQ(names(), QStringList({"account2627.db", "account2627.db-hold"})) << "the books' hold stays for the next";

    const QString partial = write("copy.bak.partial", "copy");
    FileHold writing = [&] {
        FileHold hold;
        EXPECT_TRUE(hold.take(partial, FileHold::Mode::Exclusive));
        return hold;
    }();
    writing.removeWhenReleased();
    EXPECT_TRUE(writing.held()) << "a hold moves";
    EXPECT_FALSE(FileHold().take(partial, FileHold::Mode::Exclusive));
    writing.release();
    EXPECT_FALSE(QFileInfo::exists(FileHold::holdFileOf(partial)));
    EXPECT_TRUE(FileHold().take(partial, FileHold::Mode::Exclusive));

    try {
        FileHold().take(path("gone/account2627.db"), FileHold::Mode::Shared);
        ADD_FAILURE() << "held";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), PathAccessError);
        EXPECT_EQ(e.Description(), QStringLiteral("Cannot open the hold file %1: No such file or directory")
                                       .arg(path("gone/account2627.db-hold")));
    }
}
