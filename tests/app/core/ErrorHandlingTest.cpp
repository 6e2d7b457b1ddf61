#include "app/AppTestBooks.h"
#include "core/ErrorHandling.h"
#include "dialogs/ScriptedDialogs.h"
#include "errors/PellamError.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

TEST(RunStep, RetriesSkipsOrAbandonsAsTheErrorReporterAnswers)
{
    test::AppTestBooks books;
    const struct {
        int number;
        MessageAnswer answer;
        StepResult result;
        int runs;
    } cases[] = {
        {3261, MessageAnswer::Ok, StepResult::Done, 2},        // locked: run again, then it goes through
        {94, MessageAnswer::Ok, StepResult::Skipped, 1},       // invalid Null: go on without it
        {3022, MessageAnswer::Ok, StepResult::Abandoned, 1},   // duplicate: leave
        {5, MessageAnswer::Retry, StepResult::Done, 2},
        {5, MessageAnswer::Ignore, StepResult::Skipped, 1},
        {5, MessageAnswer::Abort, StepResult::Abandoned, 1},
    };
    for (const auto& c : cases) {
        ScriptedDialogsGuard scripted;
        scripted->answer(c.answer);
        int runs = 0;
        const StepResult result = runStep(
            [&] {
                if (++runs == 1)
                    throw PellamError(c.number, QStringLiteral("failed"), QStringLiteral("test"));
            },
            QStringLiteral("CmdSave_Click"), QStringLiteral("FrmTest"));
        EXPECT_EQ(result, c.result) << c.number;
        EXPECT_EQ(runs, c.runs) << c.number;
        EXPECT_EQ(scripted->messages().size(), 1u) << c.number;
    }
    QFile log(app::state().ErrorLog);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count("CmdSave_Click FrmTest"), 6) << "every error is logged with its procedure and window";
}

TEST(RunStep, ALockedDatabaseReachesTheLockedMessage)
{
    test::AppTestBooks books;
    ScriptedDialogsGuard scripted;
    db::Connection other;
    other.Open(app::state().DbFile);
    other.BeginTrans(); // another program holds the books
    db::Connection mine;
    mine.Open(app::state().DbFile, true, 50);
    int runs = 0;
    const StepResult result = runStep(
        [&] {
            if (++runs == 2)
                other.RollbackTrans(); // the other program lets go while the message is read
            mine.execute(QStringLiteral("update organization set Place='MADURAI' where ShopId=1"));
        },
        QStringLiteral("CmdSave_Click"), QStringLiteral("FrmCompany"));
    EXPECT_EQ(result, StepResult::Done);
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral("Database is Locked By some other Media or program.Check & Unlock It. Then Retry the Program."));
    EXPECT_EQ(mine.scalar(QStringLiteral("select Place from organization where ShopId=1")).toString(), QStringLiteral("MADURAI"));
}
