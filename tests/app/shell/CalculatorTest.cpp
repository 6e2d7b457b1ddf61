#include "dialogs/ScriptedDialogs.h"
#include "shell/PellamMenu.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

// The PATH narrowed to one folder while the object lives.
struct OnlyPath {
    QByteArray old = qgetenv("PATH");
    explicit OnlyPath(const QString& folder) { qputenv("PATH", folder.toLocal8Bit()); }
    ~OnlyPath() { qputenv("PATH", old); }
};

} // namespace

TEST(Calculator, SaysSoWhenNoCalculatorIsInstalled)
{
    ScriptedDialogsGuard scripted;
    QTemporaryDir bin;
    OnlyPath path(bin.path());
    PellamMenu menu;
    menu.item(QStringLiteral("mncalc"))->trigger();
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral("Calculator Application Not Found\r\rInstall one of these programs: gnome-calculator, "
                             "kcalc, galculator, mate-calc, qalculate-gtk, xcalc"));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
}

TEST(Calculator, StartsTheFirstCalculatorOnThePath)
{
    ScriptedDialogsGuard scripted;
    QTemporaryDir bin;
    const QString started = bin.filePath(QStringLiteral("started"));
    const QString program = bin.filePath(QStringLiteral("xcalc"));
    {
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n: > '%1'\n").arg(started).toLocal8Bit());
    }
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    OnlyPath path(bin.path());
    PellamMenu menu;
    menu.item(QStringLiteral("mncalc"))->trigger();
    EXPECT_TRUE(scripted->messages().empty());
    // The calculator runs on its own; wait until it has left its mark.
    QDeadlineTimer deadline(30000);
    while (!QFile::exists(started) && !deadline.hasExpired())
        QTest::qWait(20);
    EXPECT_TRUE(QFile::exists(started));
}
