#include "app/AppTestBooks.h"
#include "core/MdiHost.h"
#include "dialogs/ScriptedDialogs.h"
#include "masters/FrmAccounts.h"
#include "masters/FrmCompany.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

TEST(MasterMenu, InstitutionsAndLedgerHeadsOpenOneWindowEach)
{
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;
    wireMenu(menu);
    for (const char* name : {"mnuinst", "mnFileAcc"}) {
        QAction* item = menu.item(QString::fromLatin1(name));
        ASSERT_TRUE(item->isEnabled()) << name;
        item->trigger();
        item->trigger(); // the open window comes to the front
    }
    const QList<QWidget*> open = childWindows();
    ASSERT_EQ(open.size(), 2);
    EXPECT_NE(qobject_cast<masters::FrmCompany*>(open[0]), nullptr);
    EXPECT_NE(qobject_cast<masters::FrmAccounts*>(open[1]), nullptr);
    closeChildWindows();
}
