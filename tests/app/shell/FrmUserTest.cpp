#include "app/AppTestBooks.h"
#include "app/RecordingHelp.h"
#include "dialogs/ScriptedDialogs.h"
#include "shell/FrmUser.h"
#include "shell/LoginCheck.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct UserManager : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    std::unique_ptr<FrmUser> window;

    void SetUp() override
    {
        books.conn().execute(QStringLiteral("insert into loginuser(userid, username, description) values('SITA', 'SITA DEVI', null)"));
        window = std::make_unique<FrmUser>();
        window->show();
    }

    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QStringList boxes() { return {box("TxtLogId")->text(), box("TxtUserName")->text(), box("TxtDescription")->text()}; }
    void type(const char* name, const QString& text)
    {
        box(name)->clear();
        QTest::keyClicks(box(name), text);
    }
    QStringList row(const QString& userid)
    {
        db::RecordSet rs = books.conn().query(
            QStringLiteral("select userid, username, description, userpwd is null as nopwd from loginuser where userid = ?"), {userid});
        if (rs.eof())
            return {};
        return {rs.toString(QStringLiteral("userid")), rs.toString(QStringLiteral("username")),
                rs.toString(QStringLiteral("description")), rs.toString(QStringLiteral("nopwd"))};
    }
    int users() { return books.conn().scalar(QStringLiteral("select count(*) from loginuser")).toInt(); }
    QComboBox* roles() { return window->findChild<QComboBox*>(QStringLiteral("CboRole")); }
    QString storedRole(const QString& userid)
    {
        return books.conn().scalar(QStringLiteral("select role from userrole where userid = ?"), {userid}).toString();
    }
    void expectBrowsing()
    {
        EXPECT_FALSE(window->entering());
        EXPECT_EQ(button("CmdAdd")->text(), QStringLiteral("&Add"));
        EXPECT_EQ(button("CmdEdit")->text(), QStringLiteral("&Edit"));
        EXPECT_TRUE(button("CmdDelete")->isEnabled());
        EXPECT_TRUE(button("CmdClose")->isEnabled());
    }
};

} // namespace

TEST_F(UserManager, AddsAUserInCapitalsWithoutAPasswordWhoseFirstLoginTakesAnyPassword)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("User Manager"));
    EXPECT_EQ(boxes(), (QStringList{QStringLiteral("MERION"), QStringLiteral("MERION"), QString()}))
        << "it opens on the logged-in user";
    expectBrowsing();

    button("CmdAdd")->click();
    EXPECT_TRUE(window->entering());
    EXPECT_TRUE(window->adding());
    EXPECT_EQ(boxes(), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(button("CmdAdd")->text(), QStringLiteral("&Save"));
    EXPECT_EQ(button("CmdEdit")->text(), QStringLiteral("&Cancel"));
    EXPECT_FALSE(button("CmdDelete")->isEnabled());
    EXPECT_FALSE(button("CmdClose")->isEnabled());

    type("TxtLogId", QStringLiteral("ravi"));
    type("TxtUserName", QStringLiteral("ravi o'brien"));
    type("TxtDescription", QStringLiteral("treasurer"));
    EXPECT_EQ(boxes(), (QStringList{QStringLiteral("RAVI"), QStringLiteral("RAVI O'BRIEN"), QStringLiteral("TREASURER")}));
    button("CmdAdd")->click();

    EXPECT_TRUE(scripted->messages().empty());
    expectBrowsing();
    EXPECT_EQ(row(QStringLiteral("RAVI")),
              (QStringList{QStringLiteral("RAVI"), QStringLiteral("RAVI O'BRIEN"), QStringLiteral("TREASURER"), QStringLiteral("1")}));
    EXPECT_EQ(checkLogin(books.conn(), QStringLiteral("ravi"), QStringLiteral("anything")).result, LoginOutcome::Accepted);
}

TEST_F(UserManager, RefusesADuplicateUserIdAndAnEmptyNameWritingNothing)
{
    button("CmdAdd")->click();
    type("TxtLogId", QStringLiteral("sita"));
    type("TxtUserName", QStringLiteral("another sita"));
    button("CmdAdd")->click();
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, QStringLiteral("The User Name SITA is already in use. Choose another one."));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
    EXPECT_TRUE(window->entering()) << "the typed texts stay for another try";
    EXPECT_EQ(row(QStringLiteral("SITA"))[1], QStringLiteral("SITA DEVI"));

    type("TxtUserName", QString());
    button("CmdAdd")->click();
    EXPECT_EQ(scripted->texts().last(), QStringLiteral("Invalid User name"));
    EXPECT_EQ(scripted->messages().back().icon, MessageIcon::None);

    type("TxtLogId", QStringLiteral("   "));
    type("TxtUserName", QStringLiteral("nobody"));
    button("CmdAdd")->click();
    EXPECT_EQ(scripted->texts().last(), QStringLiteral("Invalid User Id"));
    EXPECT_EQ(users(), 2);

    // Cancel leaves the typed texts on screen and writes nothing.
    button("CmdEdit")->click();
    expectBrowsing();
    EXPECT_EQ(box("TxtUserName")->text(), QStringLiteral("NOBODY"));
    EXPECT_EQ(users(), 2);

    // In browsing, Add with an empty full name only says so.
    type("TxtUserName", QString());
    button("CmdAdd")->click();
    EXPECT_EQ(scripted->texts().last(), QStringLiteral("Invalid User name"));
    EXPECT_FALSE(window->entering());
}

TEST_F(UserManager, EditsTheNameAndDescriptionOfTheUserAskedFor)
{
    scripted->answerInput(QStringLiteral("  sita "));
    button("CmdEdit")->click();
    ASSERT_EQ(scripted->inputs().size(), 1u);
    EXPECT_EQ(scripted->inputs()[0].prompt, QStringLiteral("Enter User Id for Editing"));
    EXPECT_EQ(scripted->inputs()[0].title, QStringLiteral("User Manager"));
    EXPECT_EQ(boxes(), (QStringList{QStringLiteral("SITA"), QStringLiteral("SITA DEVI"), QString()}));
    EXPECT_TRUE(window->entering());
    EXPECT_FALSE(window->adding());
    EXPECT_TRUE(box("TxtLogId")->isReadOnly()) << "the key of the row being edited stays as it is";

    type("TxtUserName", QStringLiteral("sita rani"));
    type("TxtDescription", QStringLiteral("secretary"));
    button("CmdAdd")->click();
    expectBrowsing();
    EXPECT_EQ(row(QStringLiteral("SITA")),
              (QStringList{QStringLiteral("SITA"), QStringLiteral("SITA RANI"), QStringLiteral("SECRETARY"), QStringLiteral("1")}));

    // Cancel after changing writes nothing.
    scripted->answerInput(QStringLiteral("sita"));
    button("CmdEdit")->click();
    type("TxtUserName", QStringLiteral("changed"));
    button("CmdEdit")->click();
    EXPECT_EQ(box("TxtUserName")->text(), QStringLiteral("CHANGED"));
    EXPECT_EQ(row(QStringLiteral("SITA"))[1], QStringLiteral("SITA RANI"));
}

TEST_F(UserManager, SaysWhenTheUserIdAskedForIsEmptyOrUnknown)
{
    const struct {
        void (FrmUser::*action)();
        std::optional<QString> answer;
        QStringList texts;
        MessageIcon icon;
    } cases[] = {
        {&FrmUser::CmdEdit_Click, QStringLiteral("  "), {QStringLiteral("Invalid User Id to Search")}, MessageIcon::Information},
        {&FrmUser::CmdEdit_Click, QStringLiteral("ghost"), {QStringLiteral("Invalid User ")}, MessageIcon::Information},
        {&FrmUser::CmdEdit_Click, std::nullopt, {}, MessageIcon::None},
        {&FrmUser::CmdDelete_Click, QString(), {QStringLiteral("Invalid User Id to Search")}, MessageIcon::Information},
        {&FrmUser::CmdDelete_Click, QStringLiteral("ghost"), {QStringLiteral("Invalid User ")}, MessageIcon::None},
        {&FrmUser::CmdDelete_Click, std::nullopt, {}, MessageIcon::None},
    };
    for (const auto& c : cases) {
        scripted->clear();
        scripted->answerInput(c.answer);
        ((*window).*c.action)();
        EXPECT_EQ(scripted->texts(), c.texts) << c.answer.value_or(QStringLiteral("(cancelled)")).toStdString();
        if (!c.texts.isEmpty()) {
            EXPECT_EQ(scripted->messages()[0].icon, c.icon) << c.texts[0].toStdString();
        }
        EXPECT_FALSE(window->entering());
    }
    EXPECT_EQ(users(), 2);
}

TEST_F(UserManager, DeletesAfterAskingButNeverTheLastUser)
{
    scripted->answerInput(QStringLiteral("sita")).answer(MessageAnswer::No);
    button("CmdDelete")->click();
    EXPECT_EQ(box("TxtUserName")->text(), QStringLiteral("SITA DEVI")) << "the user is shown before the question";
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, QStringLiteral("Are you Sure to Delete this User ?"));
    EXPECT_EQ(scripted->messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(users(), 2);

    scripted->answerInput(QStringLiteral("sita")).answer(MessageAnswer::Yes);
    button("CmdDelete")->click();
    EXPECT_TRUE(row(QStringLiteral("SITA")).isEmpty());

    scripted->clear();
    scripted->answerInput(QStringLiteral("merion"));
    button("CmdDelete")->click();
    EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral("The last user cannot be deleted.")});
    EXPECT_EQ(users(), 1);
}

TEST_F(UserManager, F1OpensTheHelpAtTheUserManager)
{
    test::RecordingHelp help;
    window->activateWindow();
    QTest::keyClick(box("TxtDescription"), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{FrmUser::kHelpContext});
}

TEST_F(UserManager, SavesTheRoleChosenForAUserAndKeepsTheLastAdministrator)
{
    ASSERT_NE(roles(), nullptr);
    auto* form = window->findChild<QFormLayout*>();
    EXPECT_EQ(qobject_cast<QLabel*>(form->labelForField(roles()))->text(), QStringLiteral("Role :"));
    EXPECT_EQ((QStringList{roles()->itemText(0), roles()->itemText(1), roles()->itemText(2)}),
              (QStringList{QStringLiteral("Administrator"), QStringLiteral("Accountant"), QStringLiteral("Auditor")}));
    EXPECT_EQ(roles()->currentText(), QStringLiteral("Administrator")) << "the logged-in user's role";
    EXPECT_FALSE(roles()->isEnabled()) << "nothing is chosen while browsing";

    // A new user is an Accountant unless chosen otherwise.
    button("CmdAdd")->click();
    EXPECT_TRUE(roles()->isEnabled());
    EXPECT_EQ(roles()->currentText(), QStringLiteral("Accountant"));
    type("TxtLogId", QStringLiteral("ravi"));
    type("TxtUserName", QStringLiteral("ravi"));
    button("CmdAdd")->click();
    EXPECT_EQ(storedRole(QStringLiteral("RAVI")), QStringLiteral("Accountant"));
    button("CmdAdd")->click();
    type("TxtLogId", QStringLiteral("audit"));
    type("TxtUserName", QStringLiteral("auditor"));
    roles()->setCurrentText(QStringLiteral("Auditor"));
    button("CmdAdd")->click();
    EXPECT_EQ(storedRole(QStringLiteral("AUDIT")), QStringLiteral("Auditor"));
    EXPECT_TRUE(scripted->messages().empty());

    // MERION, the only Administrator, keeps the role and stays.
    const QString refusal =
        QStringLiteral("MERION is the last Administrator of these books: make another user an Administrator first.");
    scripted->answerInput(QStringLiteral("merion"));
    button("CmdEdit")->click();
    type("TxtUserName", QStringLiteral("merion m"));
    roles()->setCurrentText(QStringLiteral("Auditor"));
    button("CmdAdd")->click();
    EXPECT_EQ(scripted->texts(), QStringList{refusal});
    EXPECT_TRUE(window->entering());
    EXPECT_EQ(storedRole(QStringLiteral("MERION")), QStringLiteral("Administrator"));
    EXPECT_EQ(row(QStringLiteral("MERION"))[1], QStringLiteral("MERION")) << "nothing of the refused save is stored";
    button("CmdEdit")->click();

    scripted->clear();
    scripted->answerInput(QStringLiteral("merion"));
    button("CmdDelete")->click();
    EXPECT_EQ(scripted->texts(), QStringList{refusal}) << "refused before the question";
    EXPECT_EQ(users(), 4);

    // Another Administrator frees MERION.
    scripted->clear();
    scripted->answerInput(QStringLiteral("ravi"));
    button("CmdEdit")->click();
    EXPECT_EQ(roles()->currentText(), QStringLiteral("Accountant"));
    roles()->setCurrentText(QStringLiteral("Administrator"));
    button("CmdAdd")->click();
    scripted->answerInput(QStringLiteral("merion")).answer(MessageAnswer::Yes);
    button("CmdDelete")->click();
    EXPECT_TRUE(row(QStringLiteral("MERION")).isEmpty());
    EXPECT_EQ(storedRole(QStringLiteral("MERION")), QString());
}
