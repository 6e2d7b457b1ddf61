#include "PellamUtility.h"
#include "input/KeyValidator.h"

#include <QApplication>
#include <QClipboard>
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

TEST(KeyValidator, ControlCharactersPastedOrSetIntoABoxBecomeBlanks)
{
    EntryForm f;
    pellam::input::KeyValidator::attach(f.name, PellamUtility::UpperCase);
    pellam::input::KeyValidator::attach(f.place, PellamUtility::UpperCase);
    auto* password = new QLineEdit(&f.form);
    password->setEchoMode(QLineEdit::Password);
    pellam::input::KeyValidator::attach(password, 0);

    const struct {
        QString pasted;
        QString kept;
    } cases[] = {
        {QStringLiteral("DONATIONS\n07/05/2025 By CASH A/C 99,99,999.00"),
         QStringLiteral("DONATIONS 07/05/2025 By CASH A/C 99,99,999.00")},
        {QStringLiteral("FEES\r\nPAID"), QStringLiteral("FEES  PAID")},
        {QString::fromUtf8("A\x1b" "E\x07" "B\tC\x7f" "D"), QStringLiteral("A E B C D")},
        {QString(QChar(0)) + QStringLiteral("NUL") + QChar(0x2028), QStringLiteral(" NUL ")},
        {QStringLiteral("ST. MARY'S"), QStringLiteral("ST. MARY'S")},
    };
    for (const auto& c : cases) {
        QApplication::clipboard()->setText(c.pasted);
        for (QLineEdit* box : {f.name, f.place->lineEdit()}) {
            box->clear();
            box->paste();
            EXPECT_EQ(box->text(), c.kept) << "pasted: " << c.pasted.toStdString();
        }
        // A text loaded into the box from the books is kept the same way.
        f.name->setText(c.pasted);
        EXPECT_EQ(f.name->text(), c.kept);
        // A password is compared as typed, never printed.
        password->clear();
        password->paste();
        EXPECT_EQ(password->text(), c.pasted);
    }
    // What remains stays as the user typed and edited it.
    f.name->setText(QStringLiteral("AB"));
    f.name->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("\n"));
    f.name->paste();
    EXPECT_EQ(f.name->text(), QStringLiteral("A B"));
    EXPECT_EQ(f.name->cursorPosition(), 2);
}
