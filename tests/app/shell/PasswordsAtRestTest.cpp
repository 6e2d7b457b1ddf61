#include "core/AppState.h"
#include "data/FinancialYear.h"
#include "data/PasswordHash.h"
#include "data/YearBooks.h"
#include "dialogs/ScriptedDialogs.h"
#include "shell/LoginCheck.h"
#include "startup/frmSplash.h"
#include "support/TempHome.h"
#include "system/AppFolders.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

// Books of an older version keep passwords scrambled; opening them at
// start-up leaves only hashes, and every user logs in as before.
TEST(PasswordsAtRest, OldBooksAreConvertedWhenOpenedAndUsersLogInAsBeforeOrAreToldToReset)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    state().Conn.Close();
    const auto year = data::FinancialYear::beginningIn(2026);
    const QString file = data::yearDatabasePath(AppFolders::data(), year);
    QDir().mkpath(AppFolders::data());
    data::createYearBooks(file);
    {
        db::Connection old;
        old.Open(file);
        old.execute(QStringLiteral("update loginuser set userpwd = ? where userid = 'MERION'"),
                    {state().Util.EnCrypt(QStringLiteral("Gopuram 9"))});
        // Scrambled under another code page: nobody can say what it let in.
        old.execute(QStringLiteral("insert into loginuser(userid, username, userpwd) values('KAMAL', 'KAMAL', ?)"),
                    {QStringLiteral("\u0915\u092E\u0932")});
    }

    frmSplash splash;
    splash.timer()->stop();
    QSignalSpy ready(&splash, &frmSplash::booksReady);
    splash.Timer1_Timer();
    splash.findChild<QLineEdit*>(QStringLiteral("TxtDate"))->setText(QStringLiteral("01/04/2026"));
    splash.CmdOk_Click();
    ASSERT_EQ(ready.count(), 1) << scripted->texts().join(QLatin1Char('|')).toStdString();

    const QString stored =
        state().Conn.scalar(QStringLiteral("select userpwd from loginuser where userid = 'MERION'")).toString();
    EXPECT_TRUE(data::PasswordHash::isHash(stored)) << stored.toStdString();
    EXPECT_EQ(checkLogin(state().Conn, QStringLiteral("merion"), QStringLiteral("Gopuram 9")).result, LoginOutcome::Accepted);
    EXPECT_EQ(checkLogin(state().Conn, QStringLiteral("merion"), QStringLiteral("gopuram 9")).result,
              LoginOutcome::WrongPassword);

    // The administrator is told once, while the books are opened.
    const QString notice = QStringLiteral("The old password of user KAMAL cannot be read, so nobody can log in as KAMAL "
                                          "until the administrator resets it: delete the user in the User Manager and "
                                          "add it again.");
    ASSERT_EQ(scripted->texts().count(notice), 1) << scripted->texts().join(QLatin1Char('|')).toStdString();
    for (const MessageRequest& m : scripted->messages()) {
        if (m.text == notice) {
            EXPECT_EQ(m.icon, MessageIcon::Exclamation);
        }
    }
    for (const QString& guess : {QString(), QStringLiteral("\u0915\u092E\u0932"), QStringLiteral("x")})
        EXPECT_EQ(checkLogin(state().Conn, QStringLiteral("kamal"), guess).result, LoginOutcome::WrongPassword);
    state().Conn.Close();
}
