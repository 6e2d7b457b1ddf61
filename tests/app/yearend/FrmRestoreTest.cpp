#include "app/AppTestBooks.h"
#include "app/yearend/YearEndBooks.h"
#include "dialogs/ScriptedDialogs.h"
#include "support/QtPrinters.h"
#include "yearend/BackupCopy.h"
#include "yearend/FrmRestore.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct RestoreWindow : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    QString folder = QDir(AppFolders::backup()).filePath(QStringLiteral("App0") + books.year.shortYears());
    QString backup = QDir(folder).filePath(QStringLiteral("011226101500_") + books.year.shortYears() + QStringLiteral(".bak"));

    void SetUp() override
    {
        books.conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration) "
                                            "values(1, 1, 1, ?, 12345, 'St. Mary''s feast')"),
                             {books.year.start.toString(Qt::ISODate)});
        QDir().mkpath(folder);
        yearend::copyYearDatabase(state().DbFile, backup);
        books.conn().execute(QStringLiteral("delete from journal"));
    }
    bool restore()
    {
        FrmRestore window;
        window.exec();
        return window.succeeded();
    }
    qint64 vouchers() { return books.conn().scalar(QStringLiteral("select count(*) from journal")).toLongLong(); }
};

} // namespace

TEST_F(RestoreWindow, ShowsWhatTheBackupHoldsAndRestoresItOnlyWhenTheUserSaysYes)
{
    const QString day = books.year.start.toString(QStringLiteral("dd/MM/yyyy"));
    const QString question = QStringLiteral("The backup %1 holds the books of the financial year %2:\r"
                                            "1 ledger heads, 1 institutions, 1 vouchers dated from %3 to %3.\r\r"
                                            "Restore it in place of the books of %2?")
                                 .arg(backup, books.year.label(), day);
    scripted->answerFile(backup).answer(MessageAnswer::No);
    EXPECT_FALSE(restore());
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, question);
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(scripted->messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(scripted->messages()[0].defaultButton, 1);   // No
    EXPECT_EQ(vouchers(), 0);

    scripted->clear();
    scripted->answerFile(backup).answer(MessageAnswer::Yes);
    ASSERT_TRUE(restore());
    ASSERT_EQ(scripted->files().size(), 1u);
    EXPECT_EQ(scripted->files()[0].title, QStringLiteral("Choose the Backup File to Restore"));
    EXPECT_EQ(scripted->files()[0].folder, folder);
    ASSERT_EQ(scripted->messages().size(), 2u);
    EXPECT_EQ(scripted->messages()[0].text, question);
    const QString safety = QDir(folder).entryList({QStringLiteral("BeforeRestore*.bak")}).value(0);
    EXPECT_EQ(scripted->messages()[1].text,
              QStringLiteral("The books were restored from %1:\r1 ledger heads, 1 institutions, 1 vouchers dated from %2 to %2.\r\r"
                             "The books as they were before are kept in %3")
                  .arg(backup, day, QDir(folder).filePath(safety)));
    EXPECT_EQ(books.conn().State(), 1);
    EXPECT_EQ(books.conn().scalar(QStringLiteral("select narration from journal")).toString(), QStringLiteral("St. Mary's feast"));
    EXPECT_EQ(test::dumpTable(QDir(folder).filePath(safety), QStringLiteral("journal")), QStringList());
    EXPECT_EQ(state().CashAccNo, 1);
}

TEST_F(RestoreWindow, ARefusedOrDeclinedBackupLeavesTheBooksAsTheyWere)
{
    const QString notes = books.home.file(QStringLiteral("notes.bak"));
    QFile f(notes);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("not a database at all ").repeated(500));
    f.close();
    // A backup of another year: its voucher lies a year later.
    const QString later = QDir(folder).filePath(QStringLiteral("later.bak"));
    yearend::copyYearDatabase(backup, later);
    {
        db::Connection conn;
        conn.Open(later);
        conn.execute(QStringLiteral("update journal set joudate = ?"), {books.year.end.addDays(1).toString(Qt::ISODate)});
    }

    scripted->answerFile(notes);
    EXPECT_FALSE(restore());
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(scripted->messages()[0].text.startsWith(QStringLiteral("The backup was not restored: ")));
    EXPECT_TRUE(scripted->messages()[0].text.endsWith(QStringLiteral("\r\rYour books are as they were.")));

    scripted->clear();
    scripted->answerFile(later).answer(MessageAnswer::No);
    EXPECT_FALSE(restore());
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Question);
    EXPECT_TRUE(scripted->messages()[0].text.startsWith(QStringLiteral("The backup %1 may not hold the books of the financial year %2:")
                                                            .arg(later, books.year.label())));
    EXPECT_TRUE(scripted->messages()[0].text.contains(
        QStringLiteral("\rIts vouchers belong to the financial year %1.\r")
            .arg(data::FinancialYear::containing(books.year.end.addDays(1)).label())));

    scripted->clear();
    scripted->answerFile(std::nullopt);
    EXPECT_FALSE(restore());
    EXPECT_TRUE(scripted->messages().empty());

    EXPECT_EQ(books.conn().State(), 1);
    EXPECT_EQ(vouchers(), 0);
    EXPECT_TRUE(QDir(folder).entryList({QStringLiteral("BeforeRestore*")}).isEmpty());
}

TEST_F(RestoreWindow, BooksOpenInAnotherProgramAreNotReplaced)
{
    db::Connection clerk;
    clerk.OpenHeld(state().DbFile);
    scripted->answerFile(backup).answer(MessageAnswer::Yes);
    EXPECT_FALSE(restore());
    ASSERT_EQ(scripted->messages().size(), 2u);
    EXPECT_EQ(scripted->messages()[1].icon, MessageIcon::Critical);
    EXPECT_EQ(scripted->messages()[1].text,
              QStringLiteral("The backup was not restored: the books %1 are open in another program; close them there "
                             "and restore again.\r\rYour books are as they were.")
                  .arg(state().DbFile));
    EXPECT_EQ(books.conn().State(), 1);
    EXPECT_EQ(vouchers(), 0);
    EXPECT_TRUE(QDir(folder).entryList({QStringLiteral("BeforeRestore*")}).isEmpty());

    clerk.Close();
    scripted->clear();
    scripted->answerFile(backup).answer(MessageAnswer::Yes);
    EXPECT_TRUE(restore());
    EXPECT_EQ(vouchers(), 1);
}
