#include "masters/FrmAccounts.h"
#include "masters/FrmCompany.h"
#include "masters/FrmShAccSetup.h"
#include "masters/frmTreeList.h"
#include "reports/FrmLedger.h"
#include "reports/FrmMonthRep.h"
#include "reports/FrmQuarterRep.h"
#include "reports/FrmRecPay.h"
#include "reports/FrmRecPaySum.h"
#include "shell/FrmUser.h"
#include "shell/HelpWindow.h"
#include "shell/frmOptions.h"
#include "shell/frmPassword.h"
#include "support/TempHome.h"
#include "vouchers/FrmImport.h"
#include "vouchers/FrmJournal.h"
#include "system/AppFolders.h"
#include "yearend/FrmCarryForward.h"
#include "yearend/FrmClosing.h"
#include "yearend/FrmRestore.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct Help : ::testing::Test {
    test::TempHome home;
    HelpWindow help;
    void TearDown() override { help.close(); }
};

} // namespace

// The pages built into the program answer when no help is installed in the
// application folder, as in a fresh folder or an installed program.
TEST_F(Help, EveryWindowsTopicOpensOnItsOwnHeading)
{
    const struct { int context; const char* heading; } topics[] = {
        {FrmJournal::kHelpContext, "Receipt & Payment"},
        {FrmImport::kHelpContext, "Import Vouchers"},
        {masters::FrmCompany::HelpContextID, "Institutions (Company Details)"},
        {masters::FrmAccounts::HelpContextID, "Ledger Heads and their openings"},
        {masters::FrmShAccSetup::kHelpContext, "Accounts Setup"},
        {masters::frmTreeList::kHelpContext, "Accounts List"},
        {FrmLedger::kHelpContext, "Ledger Report"},
        {FrmRecPay::kHelpContext, "Receipt and Payment"},
        {FrmRecPaySum::kHelpContext, "Income and Expenditure"},
        {FrmMonthRep::kHelpContext, "Monthly Statement"},
        {FrmQuarterRep::kHelpContext, "Quarter Statement"},
        {FrmClosing::HelpContextID, "Yearly Closing & Create Database"},
        {FrmCarryForward::kHelpContext, "Check Carried Balances"},
        {FrmRestore::HelpContextID, "Restore Data"},
        {FrmUser::kHelpContext, "User Manager"},
        {frmPassword::kHelpContext, "Change Password"},
        {frmOptions::kHelpContext, "Options"},
    };
    for (const auto& t : topics) {
        help.showContents(AppFolders::help(), t.context);
        EXPECT_EQ(help.currentPage(), QStringLiteral("index.html#topic-%1").arg(t.context));
        EXPECT_EQ(help.currentTopic(), QString::fromUtf8(t.heading)) << t.context;
    }
    help.showContents(AppFolders::help(), 0);
    EXPECT_EQ(help.currentTopic(), QStringLiteral("Contents"));
    help.showIndex(AppFolders::help(), 0);
    EXPECT_EQ(help.currentTopic(), QStringLiteral("Index"));
}

TEST_F(Help, PagesInstalledInTheApplicationFolderComeFirst)
{
    ASSERT_TRUE(QDir().mkpath(AppFolders::help()));
    QFile page(QDir(AppFolders::help()).filePath(QStringLiteral("index.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h2 id=\"topic-170\">Our own ledger notes</h2></body></html>");
    page.close();

    help.showTopic(AppFolders::help(), FrmLedger::kHelpContext);
    EXPECT_EQ(help.currentTopic(), QStringLiteral("Our own ledger notes"));
    help.showTopic(AppFolders::help(), FrmClosing::HelpContextID);
    EXPECT_EQ(help.currentTopic(), QString()) << "a topic the page lacks shows no heading";
}
