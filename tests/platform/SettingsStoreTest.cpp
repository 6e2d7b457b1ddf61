#include "settings/SettingsStore.h"
#include "support/TempHome.h"

#include <QFile>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::SettingsStore;

TEST(SettingsStore, KeepsTextValuesPerRootInIniFiles)
{
    pellam::test::TempHome home;
    const QString key = QStringLiteral("Software\\Pellam\\Coffer9.0");
    const int hklm = SettingsStore::LocalMachine;

    EXPECT_EQ(SettingsStore::read(hklm, key, QStringLiteral("App0")), std::nullopt) << "no file yet";
    ASSERT_TRUE(SettingsStore::write(hklm, key, QStringLiteral("App0"), QStringLiteral("/opt/pellam")));
    for (const QString& value : {QStringLiteral(" "), QStringLiteral("a, b"), QStringLiteral("St. Mary's; \"x\""),
                                 QStringLiteral("C:\\Pellam\\BackUp"), QStringLiteral("@Variant(x)"),
                                 QStringLiteral("true"), QStringLiteral("\u00C5\u20AC")}) {
        ASSERT_TRUE(SettingsStore::write(hklm, key, QStringLiteral("v"), value));
        EXPECT_EQ(SettingsStore::read(hklm, key, QStringLiteral("v")), value);
    }
    EXPECT_EQ(SettingsStore::read(hklm, key, QStringLiteral("App0")), QStringLiteral("/opt/pellam"));
    EXPECT_EQ(SettingsStore::read(hklm, key, QStringLiteral("missing")), std::nullopt);
    EXPECT_EQ(SettingsStore::read(hklm, QStringLiteral("Software\\Other"), QStringLiteral("App0")), std::nullopt);
    EXPECT_EQ(SettingsStore::read(SettingsStore::CurrentUser, key, QStringLiteral("App0")), std::nullopt);

    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("config/Pellam/HKEY_LOCAL_MACHINE.ini"))));
    EXPECT_FALSE(SettingsStore::write(12345, key, QStringLiteral("x"), QStringLiteral("y"))) << "no such root";
}

TEST(SettingsStore, ReportsAFileThatCannotBeWritten)
{
    pellam::test::TempHome home;
    // A file where the folder should be.
    QFile blocker(home.file(QStringLiteral("config/Pellam")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(SettingsStore::write(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam"),
                                      QStringLiteral("x"), QStringLiteral("y")));
    EXPECT_EQ(SettingsStore::read(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam"), QStringLiteral("x")),
              std::nullopt);
}
