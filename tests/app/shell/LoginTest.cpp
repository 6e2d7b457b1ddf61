#include "app/AppTestBooks.h"
#include "app/ModalDriver.h"
#include "data/PasswordHash.h"
#include "shell/LoginBackoff.h"
#include "dialogs/ScriptedDialogs.h"
#include "shell/PellamMenu.h"
#include "shell/ProgramEnd.h"
#include "shell/frmLogin.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sodium.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct Login : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    frmLogin login;
    QLineEdit* user = login.findChild<QLineEdit*>(QStringLiteral("TxtUserName"));
    QLineEdit* password = login.findChild<QLineEdit*>(QStringLiteral("txtPassword"));

    void SetUp() override
    {
        resetProgramEnd();
        state().Util.setUserName(QStringLiteral("0"));
        books.conn().execute(QStringLiteral("insert into loginuser(userid, username, userpwd) values(?,?,?)"),
                             {QStringLiteral("Ravi"), QStringLiteral("Ravi Kumar"), data::PasswordHash().hash(QStringLiteral("secret"))});
        login.show();
    }
    void TearDown() override { resetProgramEnd(); }

    QString ravisPassword()
    {
        return books.conn().scalar(QStringLiteral("select userpwd from loginuser where userid = 'Ravi'")).toString();
    }
    void setRavisPassword(const QString& stored)
    {
        books.conn().execute(QStringLiteral("update loginuser set userpwd = ? where userid = 'Ravi'"), {stored});
    }

    void tryLogin(const QString& name, const QString& pass)
    {
        user->clear();
        QTest::keyClicks(user, name);
        password->setText(pass);
        login.CmdOk_Click();
    }
};

} // namespace

TEST_F(Login, UserWithoutPasswordGetsInWithAnyPassword)
{
    EXPECT_EQ(user->text(), QStringLiteral("MERION"));
    tryLogin(QStringLiteral("merion"), QStringLiteral("anything"));
    EXPECT_TRUE(login.LoginSucceeded);
    EXPECT_EQ(state().Util.UserName(), QStringLiteral("MERION"));
    EXPECT_EQ(state().Util.PassWord(), state().Util.EnCrypt(QStringLiteral("anything")));
    EXPECT_TRUE(scripted->messages().empty());
}

TEST_F(Login, NameIsTypedInCapitalsAndFoundWhateverTheStoredCase)
{
    tryLogin(QStringLiteral("ravi"), QStringLiteral("secret"));
    EXPECT_EQ(user->text(), QStringLiteral("RAVI"));
    EXPECT_TRUE(login.LoginSucceeded);
    EXPECT_EQ(state().Util.UserName(), QStringLiteral("Ravi")) << "the stored user id, as vouchers record it";
}

TEST_F(Login, RefusesUnknownUsersAndWrongPasswords)
{
    tryLogin(QStringLiteral("nobody"), QString());
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, QStringLiteral("Invalid User"));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);

    tryLogin(QStringLiteral("ravi"), QStringLiteral("Secret"));
    ASSERT_EQ(scripted->messages().size(), 2u);
    EXPECT_EQ(scripted->messages()[1].text, QStringLiteral("Invalid Password, Try Again!"));
    EXPECT_EQ(scripted->messages()[1].title, QStringLiteral("Login"));
    EXPECT_EQ(scripted->messages()[1].icon, MessageIcon::None);
    EXPECT_EQ(password->selectedText(), QStringLiteral("Secret"));
    EXPECT_FALSE(login.LoginSucceeded);
    EXPECT_EQ(state().Util.UserName(), QStringLiteral("0"));
    EXPECT_FALSE(programEnded());
}

TEST_F(Login, CancelEndsTheProgram)
{
    login.findChild<QPushButton*>(QStringLiteral("CmdCancel"))->click();
    EXPECT_FALSE(login.LoginSucceeded);
    EXPECT_TRUE(programEnded());
}

TEST_F(Login, APasswordStillScrambledIsConvertedBeforeItIsChecked)
{
    // Books restored from an old backup after start-up.
    setRavisPassword(state().Util.EnCrypt(QStringLiteral("secret")));
    tryLogin(QStringLiteral("ravi"), state().Util.EnCrypt(QStringLiteral("secret")));
    EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral("Invalid Password, Try Again!")});
    EXPECT_TRUE(data::PasswordHash::isHash(ravisPassword()));

    tryLogin(QStringLiteral("ravi"), QStringLiteral("secret"));
    EXPECT_TRUE(login.LoginSucceeded);
}

TEST_F(Login, RenewsAHashMadeWithALowerCost)
{
    setRavisPassword(data::PasswordHash({crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN}).hash(QStringLiteral("secret")));
    tryLogin(QStringLiteral("ravi"), QStringLiteral("secret"));
    ASSERT_TRUE(login.LoginSucceeded);
    EXPECT_FALSE(data::PasswordHash().needsRehash(ravisPassword()));
    EXPECT_TRUE(data::PasswordHash::verify(ravisPassword(), QStringLiteral("secret")));
}

TEST(LoginBackoff, WaitsLongerAfterEachFailureBeyondTheFifth)
{
    const int expected[] = {0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 30, 30, 30};
    LoginBackoff backoff;
    for (int failures = 0; failures < int(std::size(expected)); ++failures) {
        EXPECT_EQ(backoff.delay().count(), expected[failures]) << failures << " failures";
        backoff.failed();
    }
    for (int i = 0; i < 100; ++i)
        backoff.failed();
    EXPECT_EQ(backoff.delay().count(), 30);
    backoff.succeeded();
    EXPECT_EQ(backoff.delay().count(), 0);
}

TEST_F(Login, HoldsOkBackAfterFiveFailuresInARow)
{
    auto* ok = login.findChild<QPushButton*>(QStringLiteral("CmdOk"));
    auto* wait = login.findChild<QLabel*>(QStringLiteral("lblWait"));
    for (int i = 0; i < 4; ++i)
        tryLogin(QStringLiteral("nobody"), QString());
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(login.backoffTimer()->isActive());

    tryLogin(QStringLiteral("nobody"), QString());
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(login.backoffTimer()->isActive());
    EXPECT_EQ(login.backoffTimer()->interval(), 1000);
    EXPECT_EQ(wait->text(), QStringLiteral("Too many failed logins: please wait 1 second."));
    EXPECT_TRUE(wait->isVisible());

    // Even the right password is not looked at while the wait runs.
    tryLogin(QStringLiteral("ravi"), QStringLiteral("secret"));
    EXPECT_FALSE(login.LoginSucceeded);
    EXPECT_EQ(scripted->messages().size(), 5u);

    login.backoffEnded();
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(wait->isVisible());
    tryLogin(QStringLiteral("ravi"), QStringLiteral("wrong"));
    EXPECT_EQ(login.backoffTimer()->interval(), 2000);
    EXPECT_EQ(wait->text(), QStringLiteral("Too many failed logins: please wait 2 seconds."));

    login.backoffEnded();
    tryLogin(QStringLiteral("ravi"), QStringLiteral("secret"));
    EXPECT_TRUE(login.LoginSucceeded);
}
