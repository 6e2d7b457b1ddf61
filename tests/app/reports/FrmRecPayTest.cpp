#include "app/RecordingHelp.h"
#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "FormDriver.h"
#include "RecPayFixture.h"
#include "reports/FrmRecPay.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::child;
using test::click;
using test::RecPayBooks;

namespace {

void setPeriod(FrmRecPay& form, const char* from, const char* to)
{
    child<QLineEdit>(form, "txtdatefrom")->setText(QString::fromLatin1(from));
    child<QLineEdit>(form, "txtdateto")->setText(QString::fromLatin1(to));
}

} // namespace

TEST(FrmRecPay, RefusesABadSelectionWithItsMessageAndFocus)
{
    RecPayBooks books;
    ScriptedDialogsGuard scripted;
    FrmRecPay form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Reciept & Payment"));
    form.show();
    QApplication::setActiveWindow(&form);
    struct Case {
        const char* from;
        const char* to;
        bool shops;
        const char* message;
        const char* focus;
    };
    for (const Case& c : {Case{"31/02/2026", "31/03/2027", true, " Invalid from Date", "txtdatefrom"},
                          Case{"01/05/2026", "  /  /    ", true, " Invalid to Date", "txtdateto"},
                          Case{"01/05/2026", "31/03/2027", false, " Please Select atleast one shop", "LstComp"},
                          Case{"01/05/2027", "31/03/2027", true, " From Date is after To Date", "txtdatefrom"}}) {
        scripted->clear();
        setPeriod(form, c.from, c.to);
        click(form, c.shops ? "CmdSAll" : "CmdSNo");
        const QList<QWidget*> before = QApplication::allWidgets();
        click(form, "CmdOK1");
        ASSERT_EQ(scripted->messages().size(), 1u) << c.message;
        EXPECT_EQ(scripted->messages()[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(form, c.focus)) << c.message;
        EXPECT_TRUE(test::previewsSince(before).isEmpty());
    }
}

TEST(FrmRecPay, PreviewButtonShowsTheCashBookOfTheChoices)
{
    RecPayBooks books;
    ScriptedDialogsGuard scripted;
    FrmRecPay form;
    QListWidget* shops = child<QListWidget>(form, "LstComp");
    click(form, "CmdSAll");
    shops->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    setPeriod(form, "01/05/2026", "31/03/2027");
    child<QRadioButton>(form, "OptJou")->setChecked(true);
    child<QCheckBox>(form, "ChkSh")->setChecked(true);
    child<QCheckBox>(form, "Check1")->setChecked(true);
    const QList<QWidget*> before = QApplication::allWidgets();
    click(form, "CmdOK1");
    EXPECT_TRUE(scripted->messages().empty());
    EXPECT_EQ(shops->currentRow(), 0) << "the heading's institution is the current entry";
    test::expectOnePreview(before, QStringLiteral("Preview"), "recpay_jou_shop_narration.txt");
}

TEST(FrmRecPay, PrintButtonOpensThePrinterDialogAndExcelFollowsTheStartUpFlag)
{
    RecPayBooks books;
    ScriptedDialogsGuard scripted;
    test::RecordingHelp help;
    scripted->answerPrinter(false);
    state().ExcelAvailable = false;
    {
        FrmRecPay form;
        EXPECT_FALSE(child<QPushButton>(form, "CmdOK2")->isEnabled());
        form.CmdOK_Click(2);
        EXPECT_TRUE(scripted->inputs().empty()) << "no spreadsheet route starts";
        click(form, "CmdOK0");
        EXPECT_EQ(scripted->printerDialogs(), 1);
    }
    state().ExcelAvailable = true;
    FrmRecPay form;
    EXPECT_TRUE(child<QPushButton>(form, "CmdOK2")->isEnabled());
    form.show();
    QTest::keyClick(child<QListWidget>(form, "LstComp"), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{FrmRecPay::kHelpContext});
}

TEST(FrmRecPay, TheReceiptAndPaymentMenuItemOpensTheWindow)
{
    RecPayBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;
    wireMenu(menu);
    FrmRecPay* form = test::openedByMenu<FrmRecPay>(menu, "MnRp");
    ASSERT_NE(form, nullptr);
    delete form;
}
