#include "app/AppTestBooks.h"
#include "core/AppState.h"
#include "dialogs/ScriptedDialogs.h"
#include "settings/SettingsStore.h"
#include "support/QtPrinters.h"
#include "system/AppFolders.h"
#include "yearend/FrmBackUp.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

const QString kKey = QStringLiteral("Software\\Pellam\\Coffer9.0");

struct Backup : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;

    void SetUp() override
    {
        books.conn().execute(QStringLiteral("insert into journal(shopid,debitaccid,creditaccid,joudate,amount,narration) "
                                            "values(1,1,1,'2026-04-02',12345,'St. Mary''s feast')"));
    }

    // A run that fails: the window stays open after a failure, so it is
    // closed here. Whether the backup was made.
    static bool runFailing(bool automatic)
    {
        FrmBackUp window;
        window.Automate = automatic;
        QTimer::singleShot(500, &window, &QDialog::reject);
        window.exec();
        return window.succeeded();
    }

    QString bkdt() const
    {
        return SettingsStore::read(SettingsStore::LocalMachine, kKey, QStringLiteral("BkDtApp0")).value_or(QString());
    }
};

} // namespace

TEST_F(Backup, FromTheMenuCopiesTheBooksIntoTheSlotsFolder)
{
    FrmBackUp window;
    window.exec();
    ASSERT_TRUE(window.succeeded());
    const QString folder = QDir(AppFolders::backup()).filePath(QStringLiteral("App0") + books.year.shortYears());
    EXPECT_EQ(QFileInfo(window.backupFile()).absolutePath(), folder);
    EXPECT_TRUE(window.backupFile().endsWith(QLatin1Char('_') + books.year.shortYears() + QStringLiteral(".bak")));
    ASSERT_EQ(scripted->files().size(), 1u);
    EXPECT_EQ(scripted->files()[0].title, QStringLiteral("Specifies the Backup File"));
    EXPECT_EQ(scripted->files()[0].folder, folder);
    EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral("Back Up successfully Completed !!\r\r A temporary backup was created as ") +
                                             window.backupFile()});
    EXPECT_EQ(bkdt(), QDate::currentDate().toString(QStringLiteral("dd/MM/yy")));
    EXPECT_EQ(books.conn().State(), 0) << "the books stay closed until a window needs them";

    db::Connection copy;
    copy.Open(window.backupFile());
    EXPECT_EQ(copy.scalar(QStringLiteral("select narration from journal")).toString(), QStringLiteral("St. Mary's feast"));
}

TEST_F(Backup, GoesToTheChosenFileAndTheConfiguredFolder)
{
    const QString custom = books.home.file(QStringLiteral("safe"));
    QDir().mkpath(custom);
    SettingsStore::write(SettingsStore::LocalMachine, kKey, QStringLiteral("bak"), QStringLiteral(" ") + custom + QStringLiteral(" "));
    const QString chosen = books.home.file(QStringLiteral("safe/mine.bak"));
    scripted->answerFile(chosen);
    FrmBackUp window;
    window.exec();
    EXPECT_TRUE(window.succeeded());
    EXPECT_EQ(scripted->files()[0].folder, QDir(custom).filePath(QStringLiteral("App0") + books.year.shortYears()));
    EXPECT_TRUE(QFile::exists(chosen));
}

TEST_F(Backup, AFailedBackupIsReportedAndNotRecorded)
{
    // The backup folder's parent does not exist.
    SettingsStore::write(SettingsStore::LocalMachine, kKey, QStringLiteral("bak"), books.home.file(QStringLiteral("no/such")));
    scripted->answer(MessageAnswer::Ok);
    EXPECT_FALSE(runFailing(true));
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_TRUE(scripted->messages()[0].text.startsWith(QStringLiteral("The File / Path you specified not exist")));
    EXPECT_EQ(bkdt(), QString());
}

// Books a restore would refuse give no backup, from the menu or by itself
// at start-up: the copy is removed, the message says why, once, and no
// backup is recorded.
TEST_F(Backup, BooksThatNoRestoreWouldTakeGiveNoBackupAndTheMessageSaysWhy)
{
    books.conn().executeScript(QStringLiteral("drop view journalview; drop table journal;"));
    const QString folder = QDir(AppFolders::backup()).filePath(QStringLiteral("App0") + books.year.shortYears());
    for (const bool automatic : {false, true}) {
        SCOPED_TRACE(automatic ? "automatic" : "from the menu");
        scripted->clear();
        scripted->answer(MessageAnswer::Abort);
        EXPECT_FALSE(runFailing(automatic));
        ASSERT_EQ(scripted->messages().size(), 1u);
        EXPECT_TRUE(scripted->messages()[0].text.contains(
            QStringLiteral("Error Description = The backup copy could not be made: The file %1 does not hold the books "
                           "of a financial year: it has no table journal.")
                .arg(state().DbFile)))
            << scripted->messages()[0].text.toStdString();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList()) << "no copy is left";
        EXPECT_EQ(bkdt(), QString());
    }
}
