#include "app/AppTestBooks.h"
#include "app/ModalDriver.h"
#include "app/RecordingHelp.h"
#include "core/AppState.h"
#include "core/MdiHost.h"
#include "dialogs/ScriptedDialogs.h"
#include "shell/frmPassword.h"
#include "shell/FrmUser.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct UserMenus : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;

    void SetUp() override
    {
        wireMenu(menu);
        menu.show();
    }
    void TearDown() override { closeChildWindows(); }

    template <class W>
    QList<W*> children()
    {
        QList<W*> out;
        for (QWidget* w : childWindows())
            if (auto* typed = qobject_cast<W*>(w))
                out << typed;
        return out;
    }
};

} // namespace

TEST_F(UserMenus, OpenOneUserManagerAndOnePasswordWindowInsideTheMainWindow)
{
    for (const char* name : {"chpass", "mnUser", "mntopt", "mnAbout"})
        EXPECT_TRUE(menu.item(QString::fromLatin1(name))->isEnabled()) << name;

    menu.item(QStringLiteral("mnUser"))->trigger();
    menu.item(QStringLiteral("mnUser"))->trigger();
    menu.item(QStringLiteral("chpass"))->trigger();
    ASSERT_EQ(children<FrmUser>().size(), 1);
    ASSERT_EQ(children<frmPassword>().size(), 1);

    // F1 in a child window opens its own topic, not the contents.
    test::RecordingHelp help;
    FrmUser* users = children<FrmUser>().front();
    menu.area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(users->parentWidget()));
    QLineEdit* name = users->findChild<QLineEdit*>(QStringLiteral("TxtUserName"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{FrmUser::kHelpContext});

    // A successful change closes the password window, frame and all.
    frmPassword* password = children<frmPassword>().front();
    password->findChild<QPushButton*>(QStringLiteral("CmdOk"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(children<frmPassword>().isEmpty());
    EXPECT_EQ(menu.area()->subWindowList().size(), 1);

    // Log off closes the user manager like every other child window.
    test::whenModal([](QWidget* login) { login->findChild<QPushButton*>(QStringLiteral("CmdOk"))->click(); });
    menu.item(QStringLiteral("mnlog"))->trigger();
    EXPECT_TRUE(menu.area()->subWindowList().isEmpty());
}

TEST_F(UserMenus, OptionsOpenModallyAndAboutOnItsOwn)
{
    QString shown;
    test::whenModal([&](QWidget* w) {
        shown = w->objectName();
        w->findChild<QPushButton*>(QStringLiteral("CmdCancel"))->click();
    });
    menu.item(QStringLiteral("mntopt"))->trigger();
    EXPECT_EQ(shown, QStringLiteral("frmOptions"));

    menu.item(QStringLiteral("mnAbout"))->trigger();
    menu.item(QStringLiteral("mnAbout"))->trigger();
    const auto abouts = menu.findChildren<QWidget*>(QStringLiteral("frmAbout"));
    ASSERT_EQ(abouts.size(), 1);
    EXPECT_TRUE(abouts.front()->isVisible());
    abouts.front()->findChild<QPushButton*>(QStringLiteral("CmdOk"))->click();
    QApplication::processEvents();
}

TEST_F(UserMenus, ALoginEnablesOnlyTheItemsTheUsersRoleAllows)
{
    books.conn().executeScript(QStringLiteral(
        "insert into loginuser(userid, username) values('ACC', 'ACC'), ('AUDIT', 'AUDIT'), ('NOROW', 'NOROW');"
        "insert into userrole(userid, role) values('ACC', 'Accountant'), ('AUDIT', 'Auditor');"));
    const QStringList administrative{QStringLiteral("mntopt"), QStringLiteral("MnuTRst"), QStringLiteral("mnUser"),
                                     QStringLiteral("yrcldb")};
    const QStringList changing{QStringLiteral("mnImport"), QStringLiteral("mnBk")};
    const QStringList reading{QStringLiteral("MnEJou"),  QStringLiteral("mnuinst"), QStringLiteral("mnFileAcc"),
                              QStringLiteral("MnuUsetup"), QStringLiteral("Acc"),   QStringLiteral("MnRLedger"),
                              QStringLiteral("MnRp"),     QStringLiteral("MnMth"),  QStringLiteral("chpass"),
                              QStringLiteral("mnlog")};
    struct Case {
        const char* user;
        bool administrative, changing;
    };
    // A user without a role row is an Accountant; the last login decides.
    for (const Case& c : {Case{"AUDIT", false, false}, Case{"ACC", false, true}, Case{"NOROW", false, true},
                          Case{"MERION", true, true}, Case{"AUDIT", false, false}}) {
        const QString user = QString::fromLatin1(c.user);
        test::whenModal([&](QWidget* login) {
            auto* name = login->findChild<QLineEdit*>(QStringLiteral("TxtUserName"));
            name->setText(user);
            login->findChild<QPushButton*>(QStringLiteral("CmdOk"))->click();
        });
        ASSERT_TRUE(menu.login());
        ASSERT_EQ(state().Util.UserName(), user);
        for (const QString& item : administrative)
            EXPECT_EQ(menu.item(item)->isEnabled(), c.administrative) << c.user << " " << item.toStdString();
        for (const QString& item : changing)
            EXPECT_EQ(menu.item(item)->isEnabled(), c.changing) << c.user << " " << item.toStdString();
        for (const QString& item : reading)
            EXPECT_TRUE(menu.item(item)->isEnabled()) << c.user << " " << item.toStdString();
    }
}
