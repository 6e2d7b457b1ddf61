#include "app/masters/AccountsBooks.h"
#include "core/MdiHost.h"
#include "dialogs/ScriptedDialogs.h"
#include "masters/FrmShAccSetup.h"
#include "masters/frmTreeList.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using namespace pellam::masters;

TEST(AccountsMenu, AccountsSetupAndAccountsListOpenTheirWindowsInsideTheMainWindow)
{
    test::AccountsBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;
    wireMenu(menu);
    for (const char* item : {"MnuUsetup", "Acc"}) {
        QAction* action = menu.item(QString::fromLatin1(item));
        ASSERT_TRUE(action->isEnabled()) << item;
        action->trigger();
    }
    const QList<QWidget*> children = childWindows();
    ASSERT_EQ(children.size(), 2);
    EXPECT_NE(qobject_cast<FrmShAccSetup*>(children[0]), nullptr);
    EXPECT_NE(qobject_cast<frmTreeList*>(children[1]), nullptr);
    closeChildWindows();
}
