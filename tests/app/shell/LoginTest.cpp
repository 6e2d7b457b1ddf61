#include "app/AppTestBooks.h"
#include "app/ModalDriver.h"
#include "dialogs/ScriptedDialogs.h"
#include "shell/PellamMenu.h"
#include "shell/ProgramEnd.h"
#include "shell/frmLogin.h"
#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

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
                             {QStringLiteral("Ravi"), QStringLiteral("Ravi Kumar"), state().Util.EnCrypt(QStringLiteral("secret"))});
        login.show();
    }
    void TearDown() override { resetProgramEnd(); }

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
