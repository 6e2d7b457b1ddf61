#include "app/AppTestBooks.h"
#include "app/ModalDriver.h"
#include "shell/SystemInformation.h"
#include "shell/frmAbout.h"
#include "system/AppFolders.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace pellam;
using namespace pellam::app;

namespace {

QString label(QWidget& w, const char* name)
{
    return w.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

} // namespace

TEST(About, ShowsTitleVersionAndDescription)
{
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About PellamAccount"));
    EXPECT_EQ(label(about, "lblTitle"), QStringLiteral("PellamAccount"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(label(about, "lblVersion")).hasMatch())
        << label(about, "lblVersion").toStdString();
    EXPECT_EQ(label(about, "lblDescription"),
              QStringLiteral(" The Steadfast Accounts Manager to Assist the Chartiable Societies, Trusts and such Organisations "));
}

TEST(About, SystemInfoListsWhatSupportNeeds)
{
    test::AppTestBooks books;
    QMap<QString, QString> info;
    for (const auto& [caption, value] : systemInformation())
        info.insert(caption, value);
    EXPECT_TRUE(info[QStringLiteral("Qt")].startsWith(QString::fromLatin1(qVersion())));
    EXPECT_EQ(info[QStringLiteral("SQLite")], QString::fromLatin1(sqlite3_libversion()));
    EXPECT_FALSE(info[QStringLiteral("Operating system")].isEmpty());
    EXPECT_EQ(info[QStringLiteral("Application folder")], QDir::toNativeSeparators(AppFolders::home()));
    EXPECT_EQ(info[QStringLiteral("Year database")], QDir::toNativeSeparators(state().DbFile));
    EXPECT_EQ(info[QStringLiteral("Settings file")],
              QDir::toNativeSeparators(QDir(AppFolders::home()).filePath(QStringLiteral("PellamAcc.ini"))) +
                  QStringLiteral(" (not present)"));
    EXPECT_EQ(info[QStringLiteral("Installation slot")], QStringLiteral("App0"));

    frmAbout about;
    int rows = -1;
    test::whenModal([&](QWidget* dialog) {
        rows = dialog->findChild<QTableWidget*>(QStringLiteral("lstInfo"))->rowCount();
        dialog->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    });
    about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    EXPECT_EQ(rows, int(info.size()));
}
