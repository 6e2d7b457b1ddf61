#include "app/AppTestBooks.h"
#include "app/RecordingHelp.h"
#include "app/yearend/YearEndBooks.h"
#include "dialogs/ScriptedDialogs.h"
#include "format/DateText.h"
#include "support/QtPrinters.h"
#include "yearend/FrmClosing.h"

#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include "core/UserRights.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct ClosingWindow : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    FrmClosing window;
    QString next = data::yearDatabasePath(AppFolders::data(), data::FinancialYear::beginningIn(books.year.end.year()));

    QString text(const char* label) { return window.findChild<QLabel*>(QLatin1String(label))->text(); }
    QPushButton* button() { return window.findChild<QPushButton*>(QStringLiteral("CmdOk")); }
    QStringList logLines()
    {
        QStringList lines;
        auto* list = window.findChild<QListWidget*>(QStringLiteral("List1"));
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    QStringList backups() const { return QDir(AppFolders::backup()).entryList({QStringLiteral("tempbak*")}, QDir::Files); }
};

} // namespace

TEST_F(ClosingWindow, StartCreatesTheNextYearAndLogsEveryStep)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pellam Utilities - Yearly Closing & Database Creator"));
    EXPECT_EQ(text("LblAction"), QStringLiteral("Ready to Start"));
    EXPECT_EQ(text("Label2"), QStringLiteral("Click on Start to Create the database"));
    EXPECT_EQ(text("LblTime"), QStringLiteral("Time Elapsed :- 00:00"));
    EXPECT_EQ(button()->text(), QStringLiteral("&Start"));
    auto* carry = window.findChild<QCheckBox*>(QStringLiteral("ChkCarry"));
    EXPECT_EQ(carry->text(), QStringLiteral("Carry forward closing &balances"));
    EXPECT_TRUE(carry->isChecked());
    books.conn().execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(5, 'DON', 'DONATIONS')"));
    books.conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                        "values(1, 1, 5, ?, 12345)"),
                         {books.year.start.toString(Qt::ISODate)});

    button()->click();
    const QString today = datetext::format(QDate::currentDate());
    EXPECT_EQ(logLines(), QStringList({today, "Application Started", " Creating the new Database",
                                       "The template Account.bdk was missing; it was written again",
                                       QStringLiteral("  DataBase =") + QDir::toNativeSeparators(next), "Tranfer Ledger heads",
                                       "Tranfer Organisation", "Tranfer Postsettings", "Tranfer loginuser",
                                       "Tranfer Accounts....", "Carry forward closing balances",
                                       "Process Completed Successfully", "Closing the Session....", today,
                                       "Database Successfully Created"}));
    EXPECT_EQ(test::dumpTable(next, QStringLiteral("accountopening")), QStringList({"1|1|12345|D", "5|1|0|D"}))
        << "the cash account opens at its closing, DONATIONS at zero";
    EXPECT_FALSE(carry->isEnabled());
    EXPECT_EQ(text("Label2"), QStringLiteral("Database is Successfully Created"));
    EXPECT_EQ(text("LblAction"), QStringLiteral("Database Successfully Created"));
    EXPECT_EQ(text("LblPrnct"), QStringLiteral("100% Done"));
    EXPECT_EQ(button()->text(), QStringLiteral("&Close"));
    EXPECT_TRUE(button()->isEnabled());
    EXPECT_EQ(test::dumpTable(next, QStringLiteral("loginuser")), test::dumpTable(state().DbFile, QStringLiteral("loginuser")));
    EXPECT_EQ(books.conn().State(), 1) << "the program keeps working in the open year";
    // The closed year may be locked; Enter keeps it open.
    EXPECT_EQ(scripted->texts(), QStringList({QStringLiteral("Lock the books of %1 up to %2? They can then be read but "
                                                             "not changed.")
                                                  .arg(books.year.label(), datetext::format(books.year.end))}));
    EXPECT_EQ(scripted->messages()[0].defaultButton, 1);
    EXPECT_EQ(books.conn().scalar(QStringLiteral("select count(*) from booksetting")).toInt(), 0);
}

TEST_F(ClosingWindow, TheClosedYearLockedAfterTheClosingIsReadNotChanged)
{
    scripted->answer(MessageAnswer::Yes);
    button()->click();
    EXPECT_EQ(logLines().last(), QStringLiteral("The books are locked up to ") + datetext::format(books.year.end));
    EXPECT_EQ(books.conn().scalar(QStringLiteral("select value from booksetting where name = 'LockedUntil'")).toString(),
              books.year.end.toString(Qt::ISODate));
    scripted->clear();
    EXPECT_FALSE(mayDo(data::Action::ChangeMasters));
    EXPECT_EQ(scripted->texts(),
              QStringList({QStringLiteral("The books of %1 are locked: they can be read but not changed.")
                               .arg(books.year.label())}));
    EXPECT_TRUE(mayDo(data::Action::ReadBooks));
}

TEST_F(ClosingWindow, UntickedEveryHeadOpensAtZero)
{
    books.conn().execute(QStringLiteral("update accountopening set opamt = 99900, optype = 'D' where accno = 1"));
    window.findChild<QCheckBox*>(QStringLiteral("ChkCarry"))->setChecked(false);
    button()->click();
    EXPECT_FALSE(logLines().contains(QStringLiteral("Carry forward closing balances")));
    EXPECT_EQ(test::dumpTable(next, QStringLiteral("accountopening")), QStringList({"1|1|0|D"}));
}

TEST_F(ClosingWindow, TickedTheCashAccountOpensAtItsClosing)
{
    books.conn().execute(QStringLiteral("update accountopening set opamt = 99900, optype = 'D' where accno = 1"));
    button()->click();
    EXPECT_EQ(test::dumpTable(next, QStringLiteral("accountopening")), QStringList({"1|1|99900|D"}));
}

TEST_F(ClosingWindow, AnExistingNextYearIsReplacedOnlyAfterYes)
{
    data::createYearBooks(next);
    const QByteArray existing = test::fileHash(next);
    const QString question = QStringLiteral("The Database File is already exist !!!!\r Do you want to recreate the Database?");

    scripted->answer(MessageAnswer::No);
    button()->click();
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, question);
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(logLines().last(), QStringLiteral("Nothing was created: the existing database was kept"));
    EXPECT_EQ(text("Label2"), QStringLiteral("Nothing was created: the existing database was kept"));
    EXPECT_FALSE(logLines().contains(QStringLiteral("Database Successfully Created")));
    EXPECT_EQ(test::fileHash(next), existing);
    EXPECT_TRUE(backups().isEmpty());

    FrmClosing again;
    scripted->answer(MessageAnswer::Yes);
    again.findChild<QPushButton*>(QStringLiteral("CmdOk"))->click();
    EXPECT_EQ(again.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Database is Successfully Created"));
    ASSERT_EQ(backups().size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^tempbak\\d{6}account%1\\.bak$").arg(data::FinancialYear::beginningIn(books.year.end.year()).shortYears()))
                    .match(backups()[0]).hasMatch()) << backups()[0].toStdString();
}

TEST_F(ClosingWindow, AFailureIsShownAndNeverCalledASuccess)
{
    QFile damaged(QDir(AppFolders::home()).filePath(QStringLiteral("Account.bdk")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(8192, 'x'));
    damaged.close();

    button()->click();
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(scripted->messages()[0].text.startsWith(QStringLiteral("The new year's database could not be created: ")));
    EXPECT_EQ(logLines().last(), scripted->messages()[0].text);
    EXPECT_EQ(text("Label2"), QStringLiteral("The database was not created"));
    EXPECT_FALSE(logLines().contains(QStringLiteral("Process Completed Successfully")));
    EXPECT_FALSE(QFileInfo::exists(next));
    EXPECT_EQ(button()->text(), QStringLiteral("&Close"));
}

TEST_F(ClosingWindow, F1OpensTheHelpAtTheYearlyClosing)
{
    test::RecordingHelp help;
    window.show();
    window.activateWindow();
    QTest::keyClick(window.findChild<QListWidget*>(QStringLiteral("List1")), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{FrmClosing::HelpContextID});
}
