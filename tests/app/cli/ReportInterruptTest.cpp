#include "cli/CommandProgress.h"
#include "cli/PellamTool.h"
#include "core/ReportCancelled.h"
#include "support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

using namespace pellam;

TEST(CommandProgress, OneLineRewrittenAndClearedOnlyWhereItIsShown)
{
    for (const bool shown : {true, false}) {
        QString err;
        QTextStream stream(&err);
        {
            cli::CommandProgress progress(QStringLiteral("ledger"), shown, stream);
            for (const double done : {0.0, 0.004, 0.42, 0.425, 1.0})
                progress.tell(done);
        }
        EXPECT_EQ(err, shown ? QStringLiteral("\rledger 0%\rledger 42%\rledger 100%\r           \r") : QString());
    }
}

TEST(CommandProgress, CtrlCStopsTheRunAtItsNextStepOnly)
{
    QString err;
    QTextStream stream(&err);
    {
        cli::CommandProgress progress(QStringLiteral("ledger"), false, stream);
        progress.tell(0.1);
        std::raise(SIGINT);
        EXPECT_THROW(progress.tell(0.2), app::ReportCancelled);
    }
    cli::CommandProgress next(QStringLiteral("ledger"), false, stream);
    EXPECT_NO_THROW(next.tell(0.3)) << "a new run starts uninterrupted";
}

// pellam in a child process, interrupted by Ctrl+C (SIGINT) once it has its
// output file open: it exits 9 with one line on the error output and no
// progress text there (it is no terminal), and leaves nothing in the folder.
TEST(ReportInterrupt, CtrlCWhileWritingLeavesNoFileAndExitsNine)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/pellam");
    if (!QFileInfo(program).isExecutable() || !QFileInfo(QStringLiteral("/proc/self/fd")).isDir())
        GTEST_SKIP() << "needs pellam built beside the tests, and /proc";
    test::TempHome home;
    QString ignored;
    QTextStream quiet(&ignored);
    // Books big enough that writing takes a good part of a second.
    ASSERT_EQ(cli::PellamTool(quiet, quiet)
                  .run({"--home", home.path(), "demo", "--year", "2026", "--vouchers", "100000", "--institutions", "2"}),
              0)
        << ignored.toStdString();
    QTemporaryDir runtime; // else Qt says on the error output that it has none
    for (const QString format : {"text", "pdf"}) {
        SCOPED_TRACE(format.toStdString());
        QTemporaryDir out;
        const QString folder = QDir(out.path()).canonicalPath();
        const QString file = folder + QStringLiteral("/ledger.") + format;
        QProcess pellam;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        pellam.setProcessEnvironment(env);
        pellam.start(program, {"--home", home.path(), "report", "ledger", "--date", "01/04/2026", "--lines", "--narration",
                               "--format", format, "--out", file});
        ASSERT_TRUE(pellam.waitForStarted());
        // The output file is open once a link to it shows among the
        // process's files, whatever name its temporary file has.
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pellam.processId()));
        bool writing = false;
        while (!writing && !pellam.waitForFinished(1))
            for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
                writing = writing || QFile::symLinkTarget(fds.filePath(fd)).startsWith(folder + QLatin1Char('/'));
        ASSERT_TRUE(writing) << "pellam ended before it was interrupted";
        ::kill(pid_t(pellam.processId()), SIGINT);
        ASSERT_TRUE(pellam.waitForFinished(60000));
        EXPECT_EQ(pellam.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(pellam.exitCode(), 9);
        EXPECT_EQ(QString::fromUtf8(pellam.readAllStandardError()),
                  QStringLiteral("pellam: The report was cancelled; nothing was written to %1\n").arg(file));
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
}
