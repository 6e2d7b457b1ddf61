#include "PellamUtility.h"
#include "dialogs/ScriptedDialogs.h"
#include "support/TempHome.h"
#include "system/SystemServices.h"

#include <QFile>
#include <QRegularExpression>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pellam;

namespace {

QString CR(const char* a, const char* b)
{
    return QString::fromLatin1(a) + QChar(13) + QString::fromLatin1(b);
}

QStringList logLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString all = QString::fromUtf8(f.readAll());
    QStringList lines = all.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

TEST(ErFunct, ShowsTheMessageOfEachKnownErrorAndAnswersItsCode)
{
    const struct {
        int number;
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
        bool help;
        MessageAnswer answer;
        quint8 code;
    } cases[] = {
        {-2147024867,
         QStringLiteral("        Printer is not Ready.. !   \r Verify Your Network / Printer Status\r    Do You want to Print the BILL ?"),
         MessageButtons::YesNo, MessageIcon::Information, true, MessageAnswer::Yes, 0},
        {-2147024868,
         QStringLiteral("        Printer is not Ready.. !   \r Verify Your Network / Printer Status\r    Do You want to Print the BILL ?"),
         MessageButtons::YesNo, MessageIcon::Information, true, MessageAnswer::No, 10},
        {-2147467259,
         CR("Error Occured, Network or Invalid Server Name or Invalid Password.!",
            "Application Terminated.. Contact The System Administrator"),
         MessageButtons::Ok, MessageIcon::Critical, true, MessageAnswer::Ok, 2},
        {-2147217843, QStringLiteral("Invalid User or Password"), MessageButtons::Ok, MessageIcon::Information, true,
         MessageAnswer::Ok, 3},
        {94, QStringLiteral("An Invalid Data Occured and Ignores the Data"), MessageButtons::Ok,
         MessageIcon::Information, true, MessageAnswer::Ok, 1},
        {70, QStringLiteral("You are not able to access NetWork, Access Terminated"), MessageButtons::Ok,
         MessageIcon::Information, true, MessageAnswer::Ok, 10},
        {76,
         CR("The File / Path you specified not exist or Network Printer is not Accessible",
            "Process Will be Canceled "),
         MessageButtons::Ok, MessageIcon::Information, true, MessageAnswer::Ok, 10},
        {462, QStringLiteral("Can't Access the Remote Machine specified"), MessageButtons::Ok,
         MessageIcon::Information, true, MessageAnswer::Ok, 1},
        {3022, QStringLiteral("Duplicate entry.Please Specify another name. Current Trasaction will be cancelled"),
         MessageButtons::Ok, MessageIcon::None, false, MessageAnswer::Ok, 10},
        {3021,
         QStringLiteral("Error. Nothing Found in the database!. If You are sure You have Data in database, There May "
                        "be System Disk Error.Call System Adminstrator"),
         MessageButtons::Ok, MessageIcon::Critical, false, MessageAnswer::Ok, 10},
        {3261,
         QStringLiteral("Database is Locked By some other Media or program.Check & Unlock It. Then Retry the Program."),
         MessageButtons::Ok, MessageIcon::None, false, MessageAnswer::Ok, 0},
        {3421, QStringLiteral("Input data Contains Invalid Data Entries. Check Your Entries"), MessageButtons::Ok,
         MessageIcon::None, false, MessageAnswer::Ok, 10},
        {5, QStringLiteral("Error Number      = 5\rError Description = Bad call\rError Source      = Reports"),
         MessageButtons::AbortRetryIgnore, MessageIcon::Information, true, MessageAnswer::Retry, 0},
        {5, QStringLiteral("Error Number      = 5\rError Description = Bad call\rError Source      = Reports"),
         MessageButtons::AbortRetryIgnore, MessageIcon::Information, true, MessageAnswer::Ignore, 1},
        {5, QStringLiteral("Error Number      = 5\rError Description = Bad call\rError Source      = Reports"),
         MessageButtons::AbortRetryIgnore, MessageIcon::Information, true, MessageAnswer::Abort, 10},
    };
    const PellamUtility util;
    for (const auto& c : cases) {
        ScriptedDialogsGuard scripted;
        scripted->answer(c.answer);
        PellamError er(c.number, QStringLiteral("Bad call"), QStringLiteral("Reports"));
        EXPECT_EQ(util.ErFunct(er), c.code) << c.number;
        ASSERT_EQ(scripted->messages().size(), 1u) << c.number;
        const MessageRequest& shown = scripted->messages()[0];
        EXPECT_EQ(shown.text, c.text) << c.number;
        EXPECT_EQ(shown.buttons, c.buttons) << c.number;
        EXPECT_EQ(shown.icon, c.icon) << c.number;
        EXPECT_EQ(shown.helpButton, c.help) << c.number;
        EXPECT_EQ(shown.title, PellamUtility::kTitle);
        EXPECT_EQ(er.Number(), 0) << "the error is cleared";
        EXPECT_TRUE(er.Description().isEmpty());
    }
}

TEST(ErFunct, BeepsTwiceBeforeThePrinterQuestion)
{
    ScriptedDialogsGuard scripted;
    const PellamUtility util;
    const int before = sys::beepCount();
    PellamError er(-2147024867, QStringLiteral("Device write fault"));
    util.ErFunct(er);
    EXPECT_EQ(sys::beepCount(), before + 2);
}

TEST(ErFunct, AppendsTwoLinesPerErrorToTheLog)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    PellamUtility util;
    const QString log = home.file(QStringLiteral("error.log"));
    util.setErrorLogFile(log);

    QString blank = QStringLiteral("   ");
    PellamError first(3022, QStringLiteral("Duplicate key"), QStringLiteral("Jet"));
    util.ErFunct(first, QStringLiteral("CmdSave_Click"), QStringLiteral("FrmJournal"), blank);
    EXPECT_EQ(blank, log) << "a blank log name is replaced in the caller's variable";

    PellamError second(94, QStringLiteral("Invalid use of Null"), QStringLiteral("Common"));
    util.ErFunct(second, QStringLiteral("Connection"), QStringLiteral("Common"), log);

    const QStringList lines = logLines(log);
    ASSERT_EQ(lines.size(), 4);
    const QRegularExpression stamp(QStringLiteral(R"(^\d\d/\d\d/\d{4} \d\d:\d\d:\d\d   )"));
    EXPECT_TRUE(stamp.match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("   3022 CmdSave_Click FrmJournal")));
    EXPECT_EQ(lines[1], QStringLiteral("3022 Jet Duplicate key"));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("   94 Connection Common")));
    EXPECT_EQ(lines[3], QStringLiteral("94 Common Invalid use of Null"));
}

TEST(ErFunct, UsesAGivenLogAndWritesNothingWithoutOne)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    PellamUtility util;
    util.setErrorLogFile(home.file(QStringLiteral("default.log")));
    PellamError er(94, QStringLiteral("x"));
    util.ErFunct(er, {}, {}, home.file(QStringLiteral("own.log")));
    EXPECT_EQ(logLines(home.file(QStringLiteral("own.log"))).size(), 2);
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("default.log"))));

    PellamUtility noLog;
    PellamError again(94, QStringLiteral("x"));
    EXPECT_EQ(noLog.ErFunct(again, {}, {}, QStringLiteral("  ")), 1);
    EXPECT_EQ(again.Number(), 0);
}

TEST(ErFunct, RaisesWhenTheLogCannotBeOpened)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    const PellamUtility util;
    PellamError er(94, QStringLiteral("x"));
    try {
        util.ErFunct(er, {}, {}, home.file(QStringLiteral("no/such/folder/error.log")));
        FAIL() << "no error raised";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), 76);
    }
    EXPECT_EQ(scripted->messages().size(), 1u) << "the message comes before the log";
}
