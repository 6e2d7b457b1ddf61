#include "app/AppTestBooks.h"
#include "data/PasswordHash.h"
#include "dialogs/ScriptedDialogs.h"
#include "shell/LoginCheck.h"
#include "shell/frmPassword.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct ChangePassword : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;

    // Types into a fresh window and presses OK; the window, still open
    // unless the change went through.
    std::unique_ptr<frmPassword> change(const QString& old, const QString& fresh, const QString& confirmation)
    {
        auto window = std::make_unique<frmPassword>();
        window->show();
        window->findChild<QLineEdit*>(QStringLiteral("TxtUserName"))->setText(old);
        window->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(fresh);
        window->findChild<QLineEdit*>(QStringLiteral("txtConPass"))->setText(confirmation);
        window->findChild<QPushButton*>(QStringLiteral("CmdOk"))->click();
        return window;
    }
    QVariant stored() { return books.conn().scalar(QStringLiteral("select userpwd from loginuser where userid = 'MERION'")); }
    LoginOutcome::Result login(const QString& password)
    {
        return checkLogin(books.conn(), QStringLiteral("MERION"), password).result;
    }
    void expectChanged(const frmPassword& window)
    {
        EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral("Password is Successfully Updated")});
        EXPECT_EQ(scripted->messages().back().icon, MessageIcon::Information);
        EXPECT_FALSE(window.isVisible());
        scripted->clear();
    }
};

} // namespace

TEST_F(ChangePassword, SetsChangesAndClearsTheLoggedInUsersPassword)
{
    auto window = change(QStringLiteral("anything"), QStringLiteral("Lotus#1"), QStringLiteral("Lotus#1"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Change Password"));
    expectChanged(*window);
    EXPECT_TRUE(data::PasswordHash::isHash(stored().toString())) << "never the password itself, nor a scrambled one";
    EXPECT_EQ(login(QStringLiteral("Lotus#1")), LoginOutcome::Accepted);
    EXPECT_EQ(login(QStringLiteral("lotus#1")), LoginOutcome::WrongPassword);

    // Kept as typed, blanks included.
    expectChanged(*change(QStringLiteral("Lotus#1"), QStringLiteral(" two words "), QStringLiteral(" two words ")));
    EXPECT_EQ(login(QStringLiteral(" two words ")), LoginOutcome::Accepted);
    EXPECT_EQ(login(QStringLiteral("two words")), LoginOutcome::WrongPassword);

    // A blank new password removes it: any password logs in again.
    expectChanged(*change(QStringLiteral(" two words "), QStringLiteral("  "), QStringLiteral("  ")));
    EXPECT_TRUE(stored().isNull());
    EXPECT_EQ(login(QStringLiteral("whatever")), LoginOutcome::Accepted);
}

TEST_F(ChangePassword, RefusesAndChangesNothing)
{
    const QString hash = data::PasswordHash().hash(QStringLiteral("old one"));
    books.conn().execute(QStringLiteral("update loginuser set userpwd = ? where userid = 'MERION'"), {hash});
    const struct {
        QString user, old, fresh, confirmation, text, focused;
    } cases[] = {
        {QStringLiteral("MERION"), QStringLiteral("Old one"), QStringLiteral("new"), QStringLiteral("new"),
         QStringLiteral("Invalid Password. try Again"), QStringLiteral("TxtUserName")},
        {QStringLiteral("MERION"), QStringLiteral("old one"), QStringLiteral("new"), QStringLiteral("New"),
         QStringLiteral("Confirm Password Mismatch"), QStringLiteral("txtPassword")},
        {QStringLiteral("GHOST"), QStringLiteral("old one"), QStringLiteral("new"), QStringLiteral("new"),
         QStringLiteral("Invalid User, try again!"), QStringLiteral("TxtUserName")},
    };
    for (const auto& c : cases) {
        scripted->clear();
        state().Util.setUserName(c.user);
        auto window = change(c.old, c.fresh, c.confirmation);
        EXPECT_EQ(scripted->texts(), QStringList{c.text});
        EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::None) << c.text.toStdString();
        auto* focused = window->findChild<QLineEdit*>(c.focused);
        EXPECT_EQ(focused->selectedText(), focused->text()) << c.text.toStdString() << ": the box to retype is selected";
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(stored().toString(), hash);
    }
}

TEST_F(ChangePassword, SaysSoWhenNobodyIsLoggedIn)
{
    state().Util.setUserName(QString());
    frmPassword window;
    EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral(" Password Cannot Change")});
}
