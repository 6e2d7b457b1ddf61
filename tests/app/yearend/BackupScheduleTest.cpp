#include "app/core/InstallationSlotSettings.h"
#include "core/InstallationSlot.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"
#include "yearend/BackupSchedule.h"

#include <gtest/gtest.h>

using namespace pellam;

TEST(BackupSchedule, StartAndBackupDatesAreWrittenInTheirOwnForms)
{
    test::TempHome home;
    PellamUtility util;
    startup::recordStart(util, QStringLiteral("App0"), QDate(2026, 4, 5));
    EXPECT_EQ(test::installationValue(util, QStringLiteral("DApp0")), QStringLiteral("5.4.26"));
    startup::recordStart(util, QStringLiteral("App2"), QDate(2026, 12, 16));
    EXPECT_EQ(test::installationValue(util, QStringLiteral("DApp2")), QStringLiteral("16.12.26"));
    startup::recordBackup(util, QStringLiteral("App0"), QDate(2026, 4, 5));
    EXPECT_EQ(test::installationValue(util, QStringLiteral("BkDtApp0")), QStringLiteral("05/04/26"));
}

TEST(BackupSchedule, BackupIsDueOnlyWhenMoreDaysThanTheIntervalHavePassed)
{
    test::TempHome home;
    PellamUtility util;
    const QDate today(2026, 12, 16);
    struct Case {
        const char* lastBackup; // nullptr: never written
        const char* interval;
        bool due;
    };
    const Case cases[] = {
        {nullptr, "3", false},       {"08/12/26", nullptr, true}, {"09/12/26", nullptr, false},
        {"09/12/26", "0", false},    {"08/12/26", "0", true},     {"08/12/26", "days", true},
        {"13/12/26", "2", true},     {"14/12/26", "2", false},    {"13/12/26", "2 days", true},
        {"01/12/26", "30", false},   {"not a date", "1", false},  {"  08/12/26 ", " 7", true},
        {"20/12/26", "1", false},
    };
    for (const Case& c : cases) {
        test::TempHome fresh;
        if (c.lastBackup)
            test::setInstallationValue(util, QStringLiteral("BkDtApp1"), QString::fromLatin1(c.lastBackup));
        if (c.interval)
            test::setInstallationValue(util, QStringLiteral("AtBkApp1"), QString::fromLatin1(c.interval));
        EXPECT_EQ(startup::backupDue(util, QStringLiteral("App1"), today), c.due)
            << (c.lastBackup ? c.lastBackup : "none") << " / " << (c.interval ? c.interval : "none");
    }

    startup::recordBackup(util, QStringLiteral("App1"), today.addDays(-8));
    EXPECT_TRUE(startup::backupDue(util, QStringLiteral("App1"), today));
    EXPECT_FALSE(startup::backupDue(util, QStringLiteral("App0"), today)) << "slots keep their own dates";
}
