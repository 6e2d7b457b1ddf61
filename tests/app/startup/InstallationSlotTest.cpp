#include "startup/InstallationSlot.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

QString slotValue(const PellamUtility& util, const QString& slot)
{
    return util.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, startup::kInstallationKey, slot);
}

void setSlot(const PellamUtility& util, const QString& slot, QString value)
{
    util.UpdateKey(PellamUtility::HkeyLOCAL_MACHINE, startup::kInstallationKey, slot, value);
}

} // namespace

TEST(InstallationSlot, FirstFreeSlotIsTakenAndKeptForTheSameFolder)
{
    test::TempHome home;
    PellamUtility util;
    QDir(home.path()).mkpath(QStringLiteral("pellam/app"));
    const QString folder = QDir(home.path()).canonicalPath() + QStringLiteral("/pellam/app");

    EXPECT_EQ(startup::installationSlot(util, folder), QStringLiteral("App0"));
    EXPECT_EQ(slotValue(util, QStringLiteral("App0")), folder);
    // The same folder, named another way, keeps its slot.
    EXPECT_EQ(startup::installationSlot(util, folder + QStringLiteral("/../app/")), QStringLiteral("App0"));
}

TEST(InstallationSlot, ANewFolderGetsTheSlotAfterThoseOfOtherFolders)
{
    test::TempHome home;
    PellamUtility util;
    setSlot(util, QStringLiteral("App0"), QStringLiteral("/opt/first"));
    setSlot(util, QStringLiteral("App1"), QStringLiteral("  /opt/second  "));
    setSlot(util, QStringLiteral("App3"), QStringLiteral("/opt/fourth"));
    const QString folder = QDir(home.path()).canonicalPath();

    EXPECT_EQ(startup::installationSlot(util, folder), QStringLiteral("App2"));
    EXPECT_EQ(slotValue(util, QStringLiteral("App2")), folder);
    EXPECT_EQ(startup::installationSlot(util, QStringLiteral("/opt/second")), QStringLiteral("App1"));
    EXPECT_EQ(slotValue(util, QStringLiteral("App3")), QStringLiteral("/opt/fourth"));
}
