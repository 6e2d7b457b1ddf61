#include "buttonbar/BtnShield.h"

#include "../ModalDriver.h"
#include "../grids/Records.h"
#include "MasterForm.h"
#include "support/QtPrinters.h"

#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

using pellam::ctl::BtnShield;
using pellam::test::MasterForm;
using pellam::test::whenModal;

TEST(BtnShieldPrint, WithoutOptionsTheDialogsChoicesGoStraightToTheHost)
{
    MasterForm f;
    f.open();
    f.click("CmdPrint");
    EXPECT_EQ(f.take(), QStringList{"OnPrintClick(1,1)"});
    EXPECT_EQ(f.bar->ButtonMode(), BtnShield::TrNone);
}

TEST(BtnShieldPrint, ThePrintDialogPassesItsChoicesOrNothing)
{
    MasterForm f;
    f.bar->setProperty("PrintOptions", int(BtnShield::PrintDialog));
    f.open();
    QString caption;
    whenModal([&caption](QWidget* dialog) {
        caption = dialog->objectName();
        dialog->findChild<QRadioButton*>("OptCur")->click();
        dialog->findChild<QRadioButton*>("OptNormal")->click();
        dialog->findChild<QPushButton*>("CmdOk")->click();
    });
    f.click("CmdPrint");
    EXPECT_EQ(caption, QStringLiteral("FrmPrnDlg"));
    EXPECT_EQ(f.take(), QStringList{"OnPrintClick(0,0)"});

    whenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("CmdOk")->click(); });
    f.click("CmdPrint");
    EXPECT_EQ(f.take(), QStringList{"OnPrintClick(1,1)"}) << "a fresh dialog opens on its defaults";

    whenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("CmdCancel")->click(); });
    f.click("CmdPrint");
    EXPECT_TRUE(f.take().isEmpty());
}

TEST(BtnShieldPrint, TheWizardOffersTheFieldsOfTheHostsRecords)
{
    MasterForm f;
    f.bar->setProperty("PrintOptions", int(BtnShield::Wizard));
    QObject::connect(f.bar, &BtnShield::OnPrintClick,
                     [&f](bool, bool*) { f.bar->setPrintRecordSet(pellam::test::sampleHeads()); });
    f.open();
    QStringList offered;
    whenModal([&offered](QWidget* wizard) {
        auto* all = wizard->findChild<QListWidget*>("ListAll");
        for (int i = 0; i < all->count(); ++i)
            offered.append(all->item(i)->text());
        wizard->findChild<QPushButton*>("CmdCancel")->click();
    });
    f.click("CmdPrint");
    EXPECT_EQ(f.take(), QStringList{"OnPrintClick(1,1)"});
    EXPECT_EQ(offered, (QStringList{"accno", "AccName", "AccCode"}));
}
