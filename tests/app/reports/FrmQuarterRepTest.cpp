#include "app/RecordingHelp.h"
#include "core/FrmPreview.h"
#include "dialogs/ScriptedDialogs.h"
#include "FormDriver.h"
#include "QuarterlyFixture.h"
#include "reports/FrmQuarterRep.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::child;
using test::click;
using test::QuarterlyBooks;

TEST(FrmQuarterRep, RefusesNoInstitutionAndAnUnknownQuarterWithMessageAndFocus)
{
    QuarterlyBooks books;
    ScriptedDialogsGuard scripted;
    FrmQuarterRep form;
    form.show();
    QApplication::setActiveWindow(&form);
    QComboBox* quarter = child<QComboBox>(form, "CboQt");
    EXPECT_EQ(quarter->currentText(), QStringLiteral("First"));
    // Only the four quarters can be picked; another text is refused all the same.
    quarter->addItem(QStringLiteral("Fifth"));
    struct Case {
        bool shops;
        const char* quarter;
        const char* message;
        const char* focus;
    };
    for (const Case& c : {Case{false, "Second", " Please Select atleast one shop", "LstComp"},
                          Case{true, "Fifth", " Please Select a Quarter", "CboQt"}}) {
        scripted->clear();
        click(form, c.shops ? "CmdSAll" : "CmdSNo");
        quarter->setCurrentText(QString::fromLatin1(c.quarter));
        const QList<QWidget*> before = QApplication::allWidgets();
        click(form, "CmdOk");
        ASSERT_EQ(scripted->messages().size(), 1u) << c.message;
        EXPECT_EQ(scripted->messages()[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(form, c.focus)) << c.message;
        EXPECT_TRUE(test::previewsSince(before).isEmpty());
    }
}

TEST(FrmQuarterRep, PreviewButtonShowsTheStatementOfTheChoices)
{
    QuarterlyBooks books;
    ScriptedDialogsGuard scripted;
    FrmQuarterRep form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quarterly Report"));
    QListWidget* shops = child<QListWidget>(form, "LstComp");
    click(form, "CmdSAll");
    shops->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    child<QComboBox>(form, "CboQt")->setCurrentText(QStringLiteral("Fourth"));
    child<QCheckBox>(form, "ChkLine")->setChecked(true);
    const QList<QWidget*> before = QApplication::allWidgets();
    click(form, "CmdOk");
    EXPECT_TRUE(scripted->messages().empty());
    EXPECT_EQ(shops->currentRow(), 0) << "the heading's institution is the current entry";
    const QList<FrmPreview*> shown = test::previewsSince(before);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), QStringLiteral("Quarterly Report"));
    EXPECT_EQ(QString::fromUtf8(test::fileBytes(shown[0]->fileName())),
              test::expected(QStringLiteral("quarterly_fourth_lines.txt")));
    delete shown[0];
}

TEST(FrmQuarterRep, PrintOpensThePrinterDialogExcelFollowsTheStartUpFlagAndF1ItsTopic)
{
    QuarterlyBooks books;
    ScriptedDialogsGuard scripted;
    test::RecordingHelp help;
    scripted->answerPrinter(false);
    state().ExcelAvailable = false;
    {
        FrmQuarterRep form;
        EXPECT_FALSE(child<QPushButton>(form, "CmdExcel")->isEnabled());
        form.QuarterlyReport(1);
        EXPECT_TRUE(scripted->files().empty()) << "no spreadsheet route starts";
        click(form, "CmdCancel");
        EXPECT_EQ(scripted->printerDialogs(), 1);
    }
    state().ExcelAvailable = true;
    FrmQuarterRep form;
    EXPECT_TRUE(child<QPushButton>(form, "CmdExcel")->isEnabled());
    form.show();
    QTest::keyClick(child<QListWidget>(form, "LstComp"), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{174});
}

TEST(FrmQuarterRep, TheQuarterStatementMenuItemOpensTheWindow)
{
    QuarterlyBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;
    wireMenu(menu);
    FrmQuarterRep* form = test::openedByMenu<FrmQuarterRep>(menu, "mnrptqt");
    ASSERT_NE(form, nullptr);
    delete form;
}
