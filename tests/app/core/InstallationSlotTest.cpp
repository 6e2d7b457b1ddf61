#include "app/core/InstallationSlotSettings.h"
#include "core/InstallationSlot.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace pellam;

TEST(InstallationSlot, FirstFreeSlotIsTakenAndKeptForTheSameFolder)
{
    test::TempHome home;
    PellamUtility util;
    QDir(home.path()).mkpath(QStringLiteral("pellam/app"));
    const QString folder = QDir(home.path()).canonicalPath() + QStringLiteral("/pellam/app");

    EXPECT_EQ(startup::installationSlot(util, folder), QStringLiteral("App0"));
    EXPECT_EQ(test::installationValue(util, QStringLiteral("App0")), folder);
    // The same folder, named another way, keeps its slot.
    EXPECT_EQ(startup::installationSlot(util, folder + QStringLiteral("/../app/")), QStringLiteral("App0"));
}

TEST(InstallationSlot, ANewFolderGetsTheSlotAfterThoseOfOtherFolders)
{
    test::TempHome home;
    PellamUtility util;
    test::setInstallationValue(util, QStringLiteral("App0"), QStringLiteral("/opt/first"));
    test::setInstallationValue(util, QStringLiteral("App1"), QStringLiteral("  /opt/second  "));
    test::setInstallationValue(util, QStringLiteral("App3"), QStringLiteral("/opt/fourth"));
    const QString folder = QDir(home.path()).canonicalPath();

    EXPECT_EQ(startup::installationSlot(util, folder), QStringLiteral("App2"));
    EXPECT_EQ(test::installationValue(util, QStringLiteral("App2")), folder);
    EXPECT_EQ(startup::installationSlot(util, QStringLiteral("/opt/second")), QStringLiteral("App1"));
    EXPECT_EQ(test::installationValue(util, QStringLiteral("App3")), QStringLiteral("/opt/fourth"));
}
