#include "core/EnterPressesButtons.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

TEST(EnterPressesButtons, EnterOnAFocusedButtonPressesItOnce)
{
    static bool installed = false;
    if (!installed) {
        pellam::app::installEnterPressesButtons(QCoreApplication::instance());
        installed = true;
    }
    QWidget form;
    auto* save = new QPushButton(QStringLiteral("&Save"), &form);
    auto* off = new QPushButton(QStringLiteral("&Delete"), &form);
    off->setEnabled(false);
    QSignalSpy saved(save, &QPushButton::clicked);
    QTest::keyClick(save, Qt::Key_Return);
    QTest::keyClick(save, Qt::Key_Enter);
    EXPECT_EQ(saved.count(), 2);
    QSignalSpy deleted(off, &QPushButton::clicked);
    QTest::keyClick(off, Qt::Key_Return);
    EXPECT_EQ(deleted.count(), 0);

    // In a dialog Qt presses the button itself; it must not be pressed twice.
    QDialog dialog;
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    QSignalSpy okPressed(ok, &QPushButton::clicked);
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(okPressed.count(), 1);
}
