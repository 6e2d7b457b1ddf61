#include "PellamUtility.h"
#include "input/KeyValidator.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::PellamUtility;

TEST(KeyValidate, JudgesEachKeyByItsKind)
{
    const struct {
        char key;
        int kind;
        bool enter;
        bool skip;
        int expected;
    } cases[] = {
        {'5', PellamUtility::NumberOnly, true, true, '5'},
        {'.', PellamUtility::NumberOnly, true, true, '.'},  // the full stop always passes with skipping on
        {'a', PellamUtility::NumberOnly, true, true, 0},
        {'-', PellamUtility::NumberOnly, true, true, 0},
        {' ', PellamUtility::NumberOnly, true, true, 0},
        {8, PellamUtility::NumberOnly, true, true, 8},
        {8, PellamUtility::NumberOnly, true, false, 0},
        {'.', PellamUtility::NumberOnly, true, false, 0},
        {13, PellamUtility::NumberOnly, false, true, 0},
        {13, PellamUtility::UpperCase, false, true, 13},
        {'a', PellamUtility::UpperCase, true, true, 'A'},
        {'1', PellamUtility::UpperCase, true, true, '1'},
        {' ', PellamUtility::UpperCase, true, true, ' '},
        {'b', PellamUtility::UcaseAlphabetOnly, true, true, 'B'},
        {'1', PellamUtility::UcaseAlphabetOnly, true, true, 0},
        {'.', PellamUtility::NumwithDecimalPoint, true, false, '.'},
        {'x', PellamUtility::NumwithDecimalPoint, true, true, 0},
        {'#', PellamUtility::NumAndSpecialChar, true, true, '#'},
        {'"', PellamUtility::NumAndSpecialChar, true, true, '"'},
        {'a', PellamUtility::NumAndSpecialChar, true, true, 0},
        {' ', PellamUtility::NumAndSpecialChar, true, true, 0},
        {'A', PellamUtility::AnyAlphabet, true, true, 'A'},
        {'a', PellamUtility::AnyAlphabet, true, true, 0},
        {'b', PellamUtility::NumAndAlphabetOnly, true, true, 'B'},
        {'7', PellamUtility::NumAndAlphabetOnly, true, true, '7'},
        {'-', PellamUtility::NumAndAlphabetOnly, true, true, 0},
        {'b', PellamUtility::NumAndAlphaAnyCase, true, true, 'b'},
        {'B', PellamUtility::NumAndAlphaAnyCase, true, true, 'B'},
        {'_', PellamUtility::NumAndAlphaAnyCase, true, true, 0},
        {'Q', PellamUtility::LowerCase, true, true, 'q'},
        {'Q', PellamUtility::LowerCaseAlphabetOnly, true, true, 'q'},
        {'3', PellamUtility::LowerCaseAlphabetOnly, true, true, 0},
        {' ', PellamUtility::UCaseAlphaSpace, true, true, ' '},
        {'m', PellamUtility::UCaseAlphaSpace, true, true, 'M'},
        {'2', PellamUtility::UCaseAlphaSpace, true, true, 0},
        {'M', PellamUtility::LCaseAlphaSpace, true, true, 'm'},
        {'&', PellamUtility::AlphaSpecialChar, true, true, '&'},
        {'z', PellamUtility::AlphaSpecialChar, true, true, 'z'},
        {'4', PellamUtility::AlphaSpecialChar, true, true, 0},
        {' ', PellamUtility::AlphaSpecialChar, true, true, 0},
        {'%', 30, true, true, '%'},  // kinds outside 1 to 13 leave every key
        {'a', 20, true, true, 'a'},
    };
    const PellamUtility util;
    for (const auto& c : cases) {
        short code = c.key;
        util.KeyValidate(code, c.kind, c.enter, c.skip);
        EXPECT_EQ(code, c.expected) << "key " << int(c.key) << " kind " << c.kind;
    }
    // Accented letters are letters outside A to Z.
    short eAcute = 233;
    util.KeyValidate(eAcute, PellamUtility::UcaseAlphabetOnly);
    EXPECT_EQ(eAcute, 0);
    short eAcuteUpper = 233;
    util.KeyValidate(eAcuteUpper, PellamUtility::UpperCase);
    EXPECT_EQ(eAcuteUpper, 201);
}

namespace {

// A small form with three entry boxes in tab order.
struct EntryForm {
    QWidget form;
    QLineEdit* name = new QLineEdit(&form);
    QLineEdit* amount = new QLineEdit(&form);
    QComboBox* place = new QComboBox(&form);

    EntryForm()
    {
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(name);
        layout->addWidget(amount);
        layout->addWidget(place);
        place->setEditable(true);
        form.show();
        QApplication::setActiveWindow(&form);
        name->setFocus();
        QApplication::processEvents();
    }
};

} // namespace

TEST(KeyValidate, EnterMovesTheFocusOnLikeTab)
{
    EntryForm f;
    ASSERT_TRUE(f.name->hasFocus());
    const PellamUtility util;
    short code = 13;
    util.KeyValidate(code, PellamUtility::NumberOnly);
    EXPECT_EQ(code, 13);
    QApplication::processEvents();
    EXPECT_TRUE(f.amount->hasFocus());
}

TEST(KeyValidator, FiltersWhatIsTypedIntoAnEntryBox)
{
    EntryForm f;
    pellam::input::KeyValidator::attach(f.name, PellamUtility::UCaseAlphaSpace);
    pellam::input::KeyValidator::attach(f.amount, PellamUtility::NumberOnly);
    pellam::input::KeyValidator::attach(f.place, PellamUtility::UpperCase);

    QTest::keyClicks(f.name, QStringLiteral("st mary's 2"));
    EXPECT_EQ(f.name->text(), QStringLiteral("ST MARYS "));
    QTest::keyClick(f.name, Qt::Key_Backspace);
    EXPECT_EQ(f.name->text(), QStringLiteral("ST MARYS"));

    QTest::keyClick(f.name, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(f.amount->hasFocus()) << "Enter moves on";
    EXPECT_EQ(f.name->text(), QStringLiteral("ST MARYS"));

    QTest::keyClicks(f.amount, QStringLiteral("12a3.5-0"));
    EXPECT_EQ(f.amount->text(), QStringLiteral("123.50"));
    QTest::keyClick(f.amount, Qt::Key_Enter);
    QApplication::processEvents();
    EXPECT_TRUE(f.place->hasFocus() || f.place->lineEdit()->hasFocus());

    QTest::keyClicks(f.place->lineEdit(), QStringLiteral("chennai"));
    EXPECT_EQ(f.place->currentText(), QStringLiteral("CHENNAI"));
}
