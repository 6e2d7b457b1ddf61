#include "app/RecordingHelp.h"
#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "FormDriver.h"
#include "reports/FrmMonthRep.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"
#include "StatementFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::child;
using test::click;
using test::StatementBooks;

TEST(FrmMonthRep, OffersTheMonthsFromThisOneAndRefusesNoInstitution)
{
    StatementBooks books;
    ScriptedDialogsGuard scripted;
    FrmMonthRep form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Monthly Report"));
    auto* months = child<QComboBox>(form, "CboQt");
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(months->itemText(0), QStringLiteral("January"));
    EXPECT_EQ(months->itemText(11), QStringLiteral("December"));
    EXPECT_EQ(months->itemData(8).toInt(), 9);
    EXPECT_EQ(months->currentData().toInt(), QDate::currentDate().month());
    EXPECT_EQ(child<QPushButton>(form, "CmdOk")->text(), QStringLiteral("Pre&view"));
    EXPECT_EQ(child<QPushButton>(form, "CmdCancel")->text(), QStringLiteral("&Print"));

    form.show();
    QApplication::setActiveWindow(&form);
    click(form, "CmdSNo");
    const QList<QWidget*> before = QApplication::allWidgets();
    for (const char* button : {"CmdOk", "CmdCancel"}) {
        scripted->clear();
        click(form, button);
        ASSERT_EQ(scripted->messages().size(), 1u) << button;
        EXPECT_EQ(scripted->messages()[0].text, QStringLiteral(" Please Select atleast one shop"));
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(form, "LstComp")) << button;
        EXPECT_EQ(scripted->printerDialogs(), 0);
    }
    EXPECT_TRUE(test::previewsSince(before).isEmpty());
}

TEST(FrmMonthRep, PreviewButtonShowsTheStatementOfTheChosenMonth)
{
    StatementBooks books;
    ScriptedDialogsGuard scripted;
    state().YearStart = QDate(2026, 4, 1);
    state().YearEnd = QDate(2027, 3, 31);
    FrmMonthRep form;
    QListWidget* shops = child<QListWidget>(form, "LstComp");
    click(form, "CmdSNo");
    shops->item(1)->setSelected(true);
    auto* months = child<QComboBox>(form, "CboQt");
    months->setCurrentIndex(months->findText(QStringLiteral("January")));
    const QList<QWidget*> before = QApplication::allWidgets();
    click(form, "CmdOk");
    EXPECT_TRUE(scripted->messages().empty());
    EXPECT_EQ(shops->currentRow(), 1) << "the heading's institution is the current entry";
    test::expectOnePreview(before, QStringLiteral("Monthly Report"), "monthly_dispensary_january.txt");
}

TEST(FrmMonthRep, PrintButtonOpensThePrinterDialogAndF1ItsHelp)
{
    StatementBooks books;
    ScriptedDialogsGuard scripted;
    test::RecordingHelp help;
    scripted->answerPrinter(false);
    FrmMonthRep form;
    const QList<QWidget*> before = QApplication::allWidgets();
    click(form, "CmdCancel");
    EXPECT_EQ(scripted->printerDialogs(), 1);
    EXPECT_TRUE(test::previewsSince(before).isEmpty());
    form.show();
    QTest::keyClick(child<QComboBox>(form, "CboQt"), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{FrmMonthRep::kHelpContext});
}

TEST(FrmMonthRep, TheMonthlyStatementMenuItemOpensTheWindow)
{
    StatementBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;
    wireMenu(menu);
    FrmMonthRep* form = test::openedByMenu<FrmMonthRep>(menu, "MnMth");
    ASSERT_NE(form, nullptr);
    delete form;
}
