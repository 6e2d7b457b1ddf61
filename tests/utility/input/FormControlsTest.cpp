#include "PellamUtility.h"
#include "input/FormControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::PellamUtility;

namespace {

// A master form: entry fields (one inside a frame), a label, a button and a
// composite control whose own box the helpers must leave alone.
struct MasterForm {
    QWidget form;
    QLineEdit* code = new QLineEdit(&form);
    QGroupBox* frame = new QGroupBox(&form);
    QLineEdit* name = new QLineEdit(frame);
    QLineEdit* date = new QLineEdit(&form);
    QComboBox* list = new QComboBox(&form);
    QComboBox* editable = new QComboBox(&form);
    QCheckBox* line = new QCheckBox(&form);
    QRadioButton* receipt = new QRadioButton(&form);
    QLabel* caption = new QLabel(QStringLiteral("Code"), &form);
    QPushButton* save = new QPushButton(QStringLiteral("Save"), &form);
    QWidget* grid = new QWidget(&form);
    QLineEdit* gridSearch = new QLineEdit(grid);

    MasterForm()
    {
        date->setInputMask(QStringLiteral("99/99/9999;_"));
        list->addItems({QStringLiteral("ONE"), QStringLiteral("TWO")});
        editable->setEditable(true);
        pellam::input::markComposite(grid);
    }
};

} // namespace

TEST(FormControls, NamesEachKindOfEntryControl)
{
    MasterForm f;
    using pellam::input::controlTypeName;
    EXPECT_EQ(controlTypeName(f.code), QStringLiteral("TextBox"));
    EXPECT_EQ(controlTypeName(f.date), QStringLiteral("MaskEdBox"));
    EXPECT_EQ(controlTypeName(f.list), QStringLiteral("ComboBox"));
    EXPECT_EQ(controlTypeName(f.line), QStringLiteral("CheckBox"));
    EXPECT_EQ(controlTypeName(f.receipt), QStringLiteral("OptionButton"));
    EXPECT_EQ(controlTypeName(f.caption), QStringLiteral("QLabel"));
}

TEST(FormControls, DisableAndEnableTouchOnlyEntryFields)
{
    MasterForm f;
    const PellamUtility util;
    util.DisCtrll(&f.form);
    for (QWidget* w : std::initializer_list<QWidget*>{f.code, f.name, f.date, f.list, f.editable, f.line})
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    for (QWidget* w : std::initializer_list<QWidget*>{f.receipt, f.caption, f.save, f.gridSearch})
        EXPECT_TRUE(w->isEnabled()) << w->metaObject()->className();
    util.EnableCtrl(&f.form);
    for (QWidget* w : std::initializer_list<QWidget*>{f.code, f.name, f.date, f.list, f.editable, f.line})
        EXPECT_TRUE(w->isEnabled());

    QWidget empty;
    util.DisCtrll(&empty);  // no controls: nothing happens
    util.DisCtrll(nullptr);
}

TEST(FormControls, EmptyClearsTextTagsChoicesAndMasks)
{
    MasterForm f;
    f.code->setText(QStringLiteral("CASH"));
    f.code->setProperty("Tag", QStringLiteral("1"));
    f.name->setText(QStringLiteral("CASH A/C"));
    f.date->setText(QStringLiteral("05042024"));
    f.list->setCurrentIndex(1);
    f.editable->setEditText(QStringLiteral("MADURAI"));
    f.line->setChecked(true);
    f.receipt->setChecked(true);
    f.gridSearch->setText(QStringLiteral("keep"));

    PellamUtility().EmptyCtrl(&f.form);

    EXPECT_EQ(f.code->text(), QString());
    EXPECT_EQ(f.code->property("Tag").toString(), QString());
    EXPECT_EQ(f.name->text(), QString());
    EXPECT_EQ(f.date->displayText(), QStringLiteral("__/__/____"));
    EXPECT_EQ(f.list->currentIndex(), -1);
    EXPECT_EQ(f.editable->currentText(), QString());
    EXPECT_FALSE(f.line->isChecked());
    EXPECT_FALSE(f.receipt->isChecked());
    EXPECT_EQ(f.gridSearch->text(), QStringLiteral("keep"));
}
