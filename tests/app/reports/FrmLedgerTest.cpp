#include "app/RecordingHelp.h"
#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "FormDriver.h"
#include "LedgerFixture.h"
#include "reports/FrmLedger.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"
#include "StatusLog.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::LedgerBooks;
using test::child;
using test::click;

namespace {

QStringList texts(const QListWidget* list, bool selectedOnly = false)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (!selectedOnly || list->item(i)->isSelected())
            out << list->item(i)->text();
    return out;
}

} // namespace

TEST(FrmLedger, ListsHeadsAndInstitutionsAndSelectsKeepingTheCurrentEntry)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    FrmLedger form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ledger Report"));
    QListWidget* heads = child<QListWidget>(form, "LstAcc");
    EXPECT_EQ(texts(heads), (QStringList{"BUILDING FUND(BLD)", "CASH A/C(CASH)", "DONATIONS(DON)", "ST. MARY'S FEES(FEE)"}));
    QListWidget* shops = child<QListWidget>(form, "LstComp");
    EXPECT_EQ(texts(shops), (QStringList{"ST. MARY'S SCHOOL", "PELLAM DISPENSARY"}));
    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(child<QLineEdit>(form, "txtdatefrom")->text(), today);
    EXPECT_EQ(child<QLineEdit>(form, "txtdateto")->text(), today);

    heads->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    click(form, "cmdSelAll");
    EXPECT_EQ(texts(heads, true).size(), 4);
    EXPECT_EQ(heads->currentRow(), 2);
    click(form, "CmdSelNone");
    EXPECT_TRUE(texts(heads, true).isEmpty());
    EXPECT_EQ(heads->currentRow(), 2);
    click(form, "CmdSAll");
    EXPECT_EQ(texts(shops, true).size(), 2);
    click(form, "CmdSNo");
    EXPECT_TRUE(texts(shops, true).isEmpty());
}

TEST(FrmLedger, RefusesAnIncompleteSelectionWithItsMessage)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    FrmLedger form;
    click(form, "CmdSNo");
    click(form, "CmdPrev");
    click(form, "CmdSAll");
    click(form, "CmdPrev");
    click(form, "cmdSelAll");
    child<QLineEdit>(form, "txtdatefrom")->setText(QStringLiteral("31/02/2026"));
    click(form, "CmdPrev");
    child<QLineEdit>(form, "txtdatefrom")->setText(QStringLiteral("01/05/2027"));
    child<QLineEdit>(form, "txtdateto")->setText(QStringLiteral("31/03/2027"));
    click(form, "CmdPrev");
    EXPECT_EQ(scripted->texts(), (QStringList{" Please Select atleast one shop", " Please Select atleast one Ledger",
                                              " Please Enter a Valid Date", " From Date is after To Date"}));
    for (const MessageRequest& m : scripted->messages())
        EXPECT_EQ(m.icon, MessageIcon::Information);
}

TEST(FrmLedger, PreviewRunsTheLedgerOfTheChoicesOnTheWindow)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    FrmLedger form;
    click(form, "CmdSAll");
    click(form, "cmdSelAll");
    child<QLineEdit>(form, "txtdatefrom")->setText(QStringLiteral("01/05/2026"));
    child<QLineEdit>(form, "txtdateto")->setText(QStringLiteral("31/03/2027"));
    child<QRadioButton>(form, "OptJou")->setChecked(true);
    child<QCheckBox>(form, "ChkSh")->setChecked(true);
    child<QCheckBox>(form, "Check1")->setChecked(true);
    const QList<QWidget*> before = QApplication::allWidgets();
    test::StatusLog status;
    click(form, "CmdPrev");
    EXPECT_EQ(status.texts, (QStringList{QStringLiteral("Preparing To Make Report"), QStringLiteral("Building Fund"),
                                         QStringLiteral("Donations"), QStringLiteral("St. Mary's Fees"),
                                         QStringLiteral("Printing  Completed")}))
        << "each head's name shows in the status bar as its turn comes";
    EXPECT_TRUE(scripted->messages().empty());
    test::expectOnePreview(before, QStringLiteral("Ledger Report"), "ledger_jou_shop_narration.txt");
}

TEST(FrmLedger, ExcelButtonFollowsTheStartUpFlagAndF1OpensItsHelp)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    test::RecordingHelp help;
    state().ExcelAvailable = false;
    {
        FrmLedger form;
        EXPECT_FALSE(child<QPushButton>(form, "CmdExcel")->isEnabled());
        form.CmdExcel_Click();
        EXPECT_TRUE(scripted->inputs().empty()) << "no spreadsheet route starts";
    }
    state().ExcelAvailable = true;
    FrmLedger form;
    EXPECT_TRUE(child<QPushButton>(form, "CmdExcel")->isEnabled());
    form.show();
    QTest::keyClick(child<QListWidget>(form, "LstAcc"), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{FrmLedger::kHelpContext});
}

TEST(FrmLedger, TheLedgerMenuItemOpensTheWindow)
{
    LedgerBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;
    wireMenu(menu);
    FrmLedger* form = test::openedByMenu<FrmLedger>(menu, "MnRLedger");
    ASSERT_NE(form, nullptr);
    delete form;
}
