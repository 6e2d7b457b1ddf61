#include "errors/PellamError.h"
#include "support/TempHome.h"
#include "system/SystemServices.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
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

namespace {

// A folder that stands in for the PATH while the object lives, with the
// desktop's helper programs written as small scripts.
struct FakeDesktop {
    pellam::test::TempHome home;
    QByteArray oldPath = qgetenv("PATH");
    FakeDesktop() { qputenv("PATH", home.path().toLocal8Bit()); }
    ~FakeDesktop() { qputenv("PATH", oldPath); }
    void script(const QString& name, const QString& body) const
    {
        QFile f(home.file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\n" + body + "\n").toLocal8Bit());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

} // namespace

TEST(SystemServices, OpensADocumentOnlyWhenTheDesktopHasAProgramForItsType)
{
    FakeDesktop desktop;
    const QString book = desktop.home.file(QStringLiteral("ledger.xlsx"));
    const QString opened = desktop.home.file(QStringLiteral("opened"));
    EXPECT_FALSE(sys::openDocument(book)) << "no desktop helpers at all";

    // The helpers use only the shell's own commands: the PATH holds nothing else.
    desktop.script(QStringLiteral("xdg-open"), QStringLiteral("printf '%s' \"$1\" > '%1'").arg(opened));
    desktop.script(QStringLiteral("xdg-mime"), QStringLiteral(":"));
    EXPECT_FALSE(sys::openDocument(book)) << "no program for the type";
    EXPECT_FALSE(QFile::exists(opened));

    desktop.script(QStringLiteral("xdg-mime"),
                   QStringLiteral("[ \"$3\" = application/vnd.openxmlformats-officedocument.spreadsheetml.sheet ] "
                                  "&& echo calc.desktop"));
    EXPECT_TRUE(sys::openDocument(book));
    QDeadlineTimer deadline(30000);
    while (QFileInfo(opened).size() == 0 && !deadline.hasExpired())
        QThread::msleep(20);
    QFile f(opened);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(f.readAll()), book);
}
