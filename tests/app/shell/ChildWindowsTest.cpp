#include "app/AppTestBooks.h"
#include "app/ModalDriver.h"
#include "core/MdiHost.h"
#include "dialogs/ScriptedDialogs.h"
#include "masters/FrmAccounts.h"
#include "shell/PellamMenu.h"
#include "support/QtPrinters.h"
#include "yearend/FrmClosing.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

TEST(ChildWindowPlace, MovesInFirstAndShrinksOnlyWhatCannotFit)
{
    const QRect area(0, 0, 1000, 600);
    const struct { QRect frame; QRect placed; } cases[] = {
        {{10, 20, 400, 300}, {10, 20, 400, 300}},     // inside already
        {{800, 20, 400, 300}, {600, 20, 400, 300}},   // past the right edge
        {{-50, 450, 400, 300}, {0, 300, 400, 300}},   // past the left and the bottom
        {{300, 100, 1200, 300}, {0, 100, 1000, 300}}, // too wide: as wide as the area
        {{0, 0, 1400, 900}, {0, 0, 1000, 600}},       // too big both ways
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeInside(c.frame, area), c.placed) << c.frame.x() << "," << c.frame.y();
}

namespace {

struct ChildWindows : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    PellamMenu menu;

    void SetUp() override
    {
        menu.resize(900, 600);
        menu.show();
        menu.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    }
    QRect workArea() const { return menu.area()->viewport()->rect(); }
    QList<QMdiSubWindow*> frames() const { return menu.area()->subWindowList(); }
    // The open windows as the Window menu lists them.
    QStringList windowMenuEntries()
    {
        QMenu* windows = nullptr;
        for (QAction* a : menu.menuBar()->actions())
            if (a->menu() && a->text() == QStringLiteral("&Window"))
                windows = a->menu();
        emit windows->aboutToShow();
        QStringList entries;
        for (QAction* a : windows->actions())
            if (a->isCheckable())
                entries << a->text();
        return entries;
    }
};

QWidget* sizedWindow(int width, int height)
{
    auto* w = new QWidget;
    w->setAttribute(Qt::WA_DeleteOnClose);
    new QLineEdit(w);
    w->resize(width, height);
    return w;
}

} // namespace

TEST_F(ChildWindows, OpenInsideTheMainWindowsWorkArea)
{
    // Cascaded previews walk right and down; none may pass the edges.
    for (int i = 0; i < 6; ++i) {
        showChild(sizedWindow(760, 420));
        const QRect frame = frames().last()->geometry();
        EXPECT_TRUE(workArea().contains(frame)) << i << ": " << frame.x() << "," << frame.y() << " in "
                                                << workArea().width() << "x" << workArea().height();
        EXPECT_EQ(frame.width(), frames().last()->widget()->width() + frames().last()->contentsMargins().left() +
                                     frames().last()->contentsMargins().right())
            << "a window that fits keeps its size";
    }
    showChild(sizedWindow(2000, 1500));
    EXPECT_EQ(frames().last()->geometry(), workArea()) << "too big: as big as the area, no bigger";
}

TEST_F(ChildWindows, TheWindowThatOpensHasTheKeys)
{
    // A message or another window took the activation away from the main window.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

    QWidget* child = sizedWindow(300, 200);
    showChild(child);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&menu));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(child->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(ChildWindows, AWindowOpenedFromAMenuHasTheKeys)
{
    QWidget* first = sizedWindow(300, 200);
    showChild(first);
    // A master window opens on a record, its boxes locked until Add or Edit.
    QPointer<QWidget> opened;
    menu.setOpener(QStringLiteral("mnFileAcc"), [&] { opened = showSingle<masters::FrmAccounts>(); });

    // Alt+M, then L for Ledger Heads, as a clerk opens it.
    QTest::keyClick(menu.menuBar(), Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_L);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QCoreApplication::processEvents();

    ASSERT_FALSE(opened.isNull());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(opened->isAncestorOf(QApplication::focusWidget()))
        << QApplication::focusWidget()->metaObject()->className();
}

TEST_F(ChildWindows, YearlyClosingsCloseTakesItsFrameAndOpensAgainOnce)
{
    showSingle<FrmClosing>();
    auto* closing = qobject_cast<FrmClosing*>(childWindows().value(0));
    ASSERT_NE(closing, nullptr);
    EXPECT_EQ(windowMenuEntries(), QStringList{QStringLiteral("&1 Pellam Utilities - Yearly Closing && Database Creator")});

    auto* button = closing->findChild<QPushButton*>(QStringLiteral("CmdOk"));
    button->click();
    ASSERT_EQ(button->text(), QStringLiteral("&Close"));
    button->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(frames().isEmpty());
    EXPECT_TRUE(windowMenuEntries().isEmpty());

    showSingle<FrmClosing>();
    showSingle<FrmClosing>();
    EXPECT_EQ(frames().size(), 1);
}

TEST_F(ChildWindows, AWindowThatClosesItselfLeavesNoEmptyFrame)
{
    QWidget* child = sizedWindow(300, 200);
    showChild(child);
    ASSERT_EQ(frames().size(), 1);
    child->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frames().isEmpty());
}

TEST_F(ChildWindows, TheMainWindowHasTheKeysAgainAfterADialog)
{
    QDialog login(&menu);
    test::whenModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_EQ(runModal(login), QDialog::Accepted);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&menu));
}
