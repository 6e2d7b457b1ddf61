#include "PellamUtility.h"
#include "help/HelpViewer.h"
#include "support/TempHome.h"

#include <QFile>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::PellamUtility;

TEST(GetSqlDate, WritesTheLiteralOfEachDialect)
{
    const PellamUtility util;
    const QString d = QStringLiteral("05/04/2024");
    EXPECT_EQ(util.GetSqlDate(d, PellamUtility::Db_SQLServer), QStringLiteral(" '2024-04-05' "));
    EXPECT_EQ(util.GetSqlDate(d, PellamUtility::Db_MSAccess), QStringLiteral(" datevalue('05/04/2024') "));
    EXPECT_EQ(util.GetSqlDate(d, PellamUtility::Db_FoxPro), QStringLiteral(" Ctod('05/04/2024') "));
    EXPECT_EQ(util.GetSqlDate(d, PellamUtility::Db_DBase), QStringLiteral(" Ctod('05/04/2024') "));
    EXPECT_EQ(util.GetSqlDate(d, PellamUtility::Db_Oracle), QStringLiteral(" To_date('05/04/2024','dd/mm/yyyy') "));
    EXPECT_EQ(util.GetSqlDate(QStringLiteral("5/4/2024"), PellamUtility::Db_Excel), QStringLiteral("05/04/2024"));
    EXPECT_EQ(util.GetSqlDate(d, 99), QStringLiteral("05/04/2024"));
    EXPECT_EQ(util.GetSqlDate(QStringLiteral("31/13/2024"), PellamUtility::Db_MSAccess), QStringLiteral("Null"));
    EXPECT_EQ(util.GetSqlDate(QString(), PellamUtility::Db_SQLServer), QStringLiteral("Null"));
}

TEST(GetDayFile, NamesEachDay)
{
    const PellamUtility util;
    EXPECT_EQ(util.GetDayFile(QDate(2026, 12, 6)), QStringLiteral("8M\u00C5o.log"));
    EXPECT_EQ(util.GetDayFile(QDate(2000, 1, 2)), QStringLiteral("4B\u00C5f.log"));
    EXPECT_EQ(util.GetDayFile(QDate(2026, 12, 6), false), QStringLiteral("8M\u00C5o"));

    const QString today = util.GetDayFile(QDate::currentDate());
    EXPECT_EQ(util.GetDayFile(), today);
    QDate early(2000, 1, 1);
    EXPECT_EQ(util.GetDayFile(early), today);
    EXPECT_EQ(early, QDate::currentDate()) << "the caller's date becomes today";
}

TEST(Registry, WritesAndReadsTextValues)
{
    pellam::test::TempHome home;
    const PellamUtility util;
    const QString key = QStringLiteral("Software\\Pellam\\Coffer9.0");
    const int hklm = PellamUtility::HkeyLOCAL_MACHINE;

    QString empty;
    EXPECT_TRUE(util.UpdateKey(hklm, key, QStringLiteral("bak"), empty));
    EXPECT_EQ(empty, QStringLiteral(" ")) << "an empty value becomes one blank in the caller's variable";
    EXPECT_EQ(util.GetKeyValue(hklm, key, QStringLiteral("bak")), QStringLiteral(" "));

    EXPECT_TRUE(util.UpdateKey(hklm, key, QStringLiteral("AtBkApp0"), QStringLiteral("7")));
    EXPECT_EQ(util.GetKeyValue(hklm, key, QStringLiteral("AtBkApp0")), QStringLiteral("7"));
    EXPECT_EQ(util.GetKeyValue(hklm, key, QStringLiteral("nothing")), QString());
    EXPECT_EQ(util.GetKeyValue(PellamUtility::HkeyCURRENT_USER, key, QStringLiteral("AtBkApp0")), QString());

    EXPECT_TRUE(util.UpdateKey(hklm, key, QStringLiteral("long"), QString(1025, QLatin1Char('x'))));
    EXPECT_EQ(util.GetKeyValue(hklm, key, QStringLiteral("long")), QString()) << "longer than the buffer";
    EXPECT_FALSE(util.UpdateKey(0, key, QStringLiteral("x"), QStringLiteral("y")));
    EXPECT_EQ(util.PubKeyName(), QStringLiteral("Software\\Pellam"));
}

TEST(Environment, TempDirUserAndComputer)
{
    const PellamUtility util;
    EXPECT_FALSE(util.GetComputer().isEmpty());
    EXPECT_EQ(util.GetWinUser(), util.GetWinUser().toUpper());
    EXPECT_FALSE(util.GetWinUser().isEmpty());

    qputenv("TMPDIR", "/tmp/pellam-test");
    const QString temp = util.GetTempDir();
    EXPECT_FALSE(temp.isEmpty());
    EXPECT_FALSE(temp.contains(QLatin1Char('=')));
}

namespace {

struct RecordingHelp : pellam::HelpViewer {
    QStringList* calls;
    explicit RecordingHelp(QStringList* c) : calls(c) {}
    void showContents(const QString& f, int t) override { *calls << QStringLiteral("contents %1 %2").arg(f).arg(t); }
    void showTopic(const QString& f, int t) override { *calls << QStringLiteral("topic %1 %2").arg(f).arg(t); }
    void showIndex(const QString& f, int t) override { *calls << QStringLiteral("index %1 %2").arg(f).arg(t); }
    void close() override { *calls << QStringLiteral("close"); }
};

} // namespace

TEST(Environment, HelpMembersAskTheHelpViewer)
{
    QStringList calls;
    auto previous = pellam::setHelpViewer(std::make_unique<RecordingHelp>(&calls));
    const PellamUtility util;
    util.GetHelpContent(3, QStringLiteral("help"));
    util.GetHelpTopic(7);
    util.GetHelpIndex(0, QStringLiteral("x"));
    util.GetHelpClose();
    pellam::setHelpViewer(std::move(previous));
    EXPECT_EQ(calls, (QStringList{QStringLiteral("contents help 3"), QStringLiteral("topic  7"),
                                  QStringLiteral("index x 0"), QStringLiteral("close")}));
}

TEST(Environment, ExecuteFileWaitsAndRaisesWhenItCannotStart)
{
    pellam::test::TempHome home;
    const PellamUtility util;
    const QString marker = home.file(QStringLiteral("ran"));
    util.ExecuteFile(QStringLiteral("sh -c \"sleep 0.1; touch '%1'\"").arg(marker));
    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_THROW(util.ExecuteFile(QStringLiteral("/no/such/calc")), pellam::PellamError);
}
