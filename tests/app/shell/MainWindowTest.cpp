#include "app/AppTestBooks.h"
#include "app/ModalDriver.h"
#include "core/MdiHost.h"
#include "dialogs/ScriptedDialogs.h"
#include "masters/FrmAccounts.h"
#include "masters/FrmCompany.h"
#include "reports/FrmLedger.h"
#include "reports/FrmMonthRep.h"
#include "reports/FrmQuarterRep.h"
#include "reports/FrmRecPay.h"
#include "reports/FrmRecPaySum.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindowPlace.h"
#include "shell/PellamMenu.h"
#include "shell/ProgramEnd.h"
#include "support/QtPrinters.h"
#include "vouchers/FrmJournal.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

TEST(MainWindow, HasTheWholeMenuWithItsShortcuts)
{
    PellamMenu menu;
    const struct { const char* name; const char* caption; QKeySequence shortcut; } items[] = {
        {"chpass", "Change &Password", {}},
        {"mnlog", "&Log Off User", {}},
        {"mncalc", "&Calculator", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"mnFExit", "&Exit", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"MnEJou", "&Receipt && Payment", {}},
        {"mnuinst", "&Institutions", {}},
        {"mnFileAcc", "&Ledger Heads", {}},
        {"MnRp", "&Receipt && Payment", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"MnRLedger", "&Ledger", {}},
        {"MnMth", "&Monthly Statement", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"mnrptqt", "&Quarter Statement", {}},
        {"MnRptR", "&Income && Expenditure", {}},
        {"mntopt", "&Options", {}},
        {"Acc", "&Accounts List", {}},
        {"MnuUsetup", "Accounts &Setup", {}},
        {"mnBk", "&Back Up Data", QKeySequence(Qt::CTRL | Qt::Key_B)},
        {"MnuTRst", "&Restore Data", {}},
        {"mnUser", "&User Manager", {}},
        {"yrcldb", "&Yearly Closing && Create Database", {}},
        {"mnuWindowCascade", "&Cascade", {}},
        {"mnuWindowTileHorizontal", "Tile &Horizontal", {}},
        {"mnuWindowTileVertical", "Tile &Vertical", {}},
        {"mnuWindowArrangeIcons", "&Arrange Icons", {}},
        {"MnHlpCont", "Help &Contents", QKeySequence(Qt::Key_F1)},
        {"Hlpidx", "Help &Index", {}},
        {"mnAbout", "&About Pellam Accounting", {}},
    };
    for (const auto& i : items) {
        QAction* a = menu.item(QString::fromLatin1(i.name));
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(a->text(), QString::fromLatin1(i.caption)) << i.name;
        EXPECT_EQ(a->shortcut(), i.shortcut) << i.name;
    }
    // Windows still to come are shown but cannot be chosen yet.
    EXPECT_FALSE(menu.item(QStringLiteral("MnEJou"))->isEnabled());
    EXPECT_TRUE(menu.item(QStringLiteral("mnlog"))->isEnabled());
    EXPECT_TRUE(menu.item(QStringLiteral("MnHlpCont"))->isEnabled());
}

namespace {

// The letter that Alt (or the letter alone, in an open menu) chooses; none
// when the caption marks no letter.
QChar letterOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

// Every item of a menu or of the menu bar has a letter, and no two the same.
void expectOwnLetters(const QList<QAction*>& actions, const QString& where)
{
    QMap<QChar, QString> taken;
    for (QAction* a : actions) {
        if (a->isSeparator())
            continue;
        const QChar letter = letterOf(a->text());
        EXPECT_FALSE(letter.isNull()) << where.toStdString() << ": no letter in " << a->text().toStdString();
        if (letter.isNull())
            continue;
        EXPECT_FALSE(taken.contains(letter)) << where.toStdString() << ": " << a->text().toStdString() << " and "
                                             << taken.value(letter).toStdString() << " share Alt+"
                                             << QString(letter).toStdString();
        taken.insert(letter, a->text());
    }
}

} // namespace

TEST(MainWindow, EveryMenuAndEveryItemHasALetterOfItsOwn)
{
    test::AppTestBooks books;
    PellamMenu menu;
    state().Util.setUserName(QStringLiteral("MERION"));
    menu.setUserText(QStringLiteral("MERION"));
    // Enough open windows that the Window menu runs past its digits.
    for (int i = 0; i < 12; ++i) {
        auto* child = new QWidget;
        child->setWindowTitle(QStringLiteral("Yearly Closing & Database %1").arg(i));
        showChild(child);
    }
    const QList<QAction*> top = menu.menuBar()->actions();
    expectOwnLetters(top, QStringLiteral("menu bar"));
    EXPECT_EQ(letterOf(menu.item(QStringLiteral("MnEJou"))->text()), QLatin1Char('R'));
    for (QAction* a : top)
        if (QMenu* sub = a->menu()) {
            emit sub->aboutToShow();
            expectOwnLetters(sub->actions(), a->text());
        }
    closeChildWindows();
}

TEST(MainWindow, NoMenuSharesItsLetterWithAButtonOfTheWindowsBesideIt)
{
    // Alt and a letter taken by both a menu and a button of the open window
    // opens the menu and leaves the button out of reach of its letter.
    test::AppTestBooks books;
    PellamMenu menu;
    FrmJournal::open();
    showSingle<FrmLedger>();
    showSingle<FrmRecPay>();
    showSingle<FrmRecPaySum>();
    showSingle<FrmMonthRep>();
    showSingle<FrmQuarterRep>();
    showSingle<masters::FrmAccounts>();
    showSingle<masters::FrmCompany>();
    for (QAction* a : menu.menuBar()->actions()) {
        if (!a->menu())
            continue;
        for (QWidget* window : childWindows())
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                EXPECT_NE(letterOf(button->text()), letterOf(a->text()))
                    << a->text().toStdString() << " and " << button->text().toStdString() << " in "
                    << window->windowTitle().toStdString();
    }
    closeChildWindows();
}

namespace {

struct Session : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;

    void SetUp() override
    {
        resetProgramEnd();
        menu.show();
    }
    void TearDown() override { resetProgramEnd(); }
};

} // namespace

TEST_F(Session, LogOffClosesEveryChildWindowAndAsksForALogin)
{
    for (int i = 0; i < 3; ++i) {
        auto* child = new QWidget;
        child->setWindowTitle(QStringLiteral("child %1").arg(i));
        showChild(child);
    }
    ASSERT_EQ(childWindows().size(), 3);
    state().Util.setUserName(QStringLiteral("MERION"));
    menu.setUserText(QStringLiteral("MERION"));
    EXPECT_EQ(menu.item(QStringLiteral("mnlog"))->text(), QStringLiteral("&Log Off MERION"));

    QString userDuringLogin = QStringLiteral("?");
    int childrenDuringLogin = -1;
    test::whenModal([&](QWidget* login) {
        userDuringLogin = state().Util.UserName();
        childrenDuringLogin = int(childWindows().size());
        auto* user = login->findChild<QLineEdit*>(QStringLiteral("TxtUserName"));
        user->setText(QStringLiteral("MERION"));
        login->findChild<QPushButton*>(QStringLiteral("CmdOk"))->click();
    });
    menu.item(QStringLiteral("mnlog"))->trigger();
    EXPECT_EQ(userDuringLogin, QString());
    EXPECT_EQ(childrenDuringLogin, 0);
    EXPECT_EQ(state().Util.UserName(), QStringLiteral("MERION"));
    EXPECT_EQ(menu.statusPanel(4), QStringLiteral("MERION"));
    EXPECT_FALSE(programEnded());
}

TEST_F(Session, ClosingAsksFirstAndNoKeepsEverything)
{
    scripted->answer(MessageAnswer::No);
    menu.item(QStringLiteral("mnFExit"))->trigger();
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, QStringLiteral("Are You Sure to END This Session ?"));
    EXPECT_EQ(scripted->messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Question);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(programEnded());

    scripted->answer(MessageAnswer::Yes);
    menu.close();
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(programEnded());
}

TEST(MainWindow, HelpItemsOpenTheProgramsHelpWindow)
{
    auto window = std::make_unique<HelpWindow>();
    HelpWindow* help = window.get();
    auto previous = setHelpViewer(std::move(window));
    PellamMenu menu;
    menu.item(QStringLiteral("MnHlpCont"))->trigger();
    EXPECT_EQ(help->currentPage(), QStringLiteral("index.html#contents"));
    menu.item(QStringLiteral("Hlpidx"))->trigger();
    EXPECT_EQ(help->currentPage(), QStringLiteral("index.html#index"));
    help->close();
    EXPECT_EQ(help->currentPage(), QString());
    setHelpViewer(std::move(previous));
}

TEST(MainWindow, OpensMaximizedFirstThenWhereTheUserLeftIt)
{
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    const QRect left(120, 80, 700, 500);
    {
        PellamMenu menu;
        MainWindowPlace::keep(&menu, state().Util, state().AppKey);
        EXPECT_TRUE(menu.isVisible());
        EXPECT_TRUE(menu.isMaximized());
        menu.showNormal();
        menu.setGeometry(left);
        scripted->answer(MessageAnswer::No);
        menu.close();
    }
    PellamMenu again;
    MainWindowPlace::keep(&again, state().Util, state().AppKey);
    EXPECT_FALSE(again.isMaximized());
    EXPECT_EQ(again.geometry(), left);

    again.showMaximized();
    scripted->answer(MessageAnswer::No);
    again.close();
    PellamMenu third;
    MainWindowPlace::keep(&third, state().Util, state().AppKey);
    EXPECT_TRUE(third.isMaximized());
}
