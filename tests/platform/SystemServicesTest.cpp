#include "errors/PellamError.h"
#include "support/TempHome.h"
#include "system/SystemServices.h"

#include <QFile>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace sys = pellam::sys;

TEST(SystemServices, NamesTheUserAndTheComputer)
{
    EXPECT_FALSE(sys::userName().isEmpty());
    EXPECT_FALSE(sys::computerName().isEmpty());
    const int before = sys::beepCount();
    sys::beep();
    EXPECT_EQ(sys::beepCount(), before + 1);
}

TEST(SystemServices, StartsAProgramAndWaitsForIt)
{
    pellam::test::TempHome home;
    const QString marker = home.file(QStringLiteral("done"));
    sys::startProgram(QStringLiteral("sh -c \"sleep 0.2; touch '%1'\"").arg(marker), true);
    EXPECT_TRUE(QFile::exists(marker)) << "returned before the program ended";

    try {
        sys::startProgram(QStringLiteral("/no/such/program"), true);
        FAIL() << "no error";
    } catch (const pellam::PellamError& e) {
        EXPECT_EQ(e.Number(), 53);
        EXPECT_EQ(e.Description(), QStringLiteral("File not found"));
    }
}
