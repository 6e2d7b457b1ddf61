// Benchmarks of `pellam import vouchers` on `pellam demo` books (by default
// 100,000 vouchers, 500 ledger heads, 20 institutions): a file of 100,000
// new vouchers refused for one bad row, the same file stored, and stored
// again (every row a duplicate); then a bank's statement of as many rows
// read through a mapping whose twenty rules give the heads. Each run's wall time and the tool's peak
// memory, beside the goals.
//
//   bench_import [--rows N] [--vouchers N] [--heads N]

#include "data/CashAccount.h"
#include "database/Connection.h"
#include "database/RecordSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace pellam;

QTextStream out(stdout);

QString option(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

struct Run {
    int code = -1;
    double seconds = 0;
    double peakMb = 0;
    QString err;
};

// `pellam` with `arguments`, its wall time and peak memory (of that process
// alone, which QProcess cannot tell). Standard error goes to a file.
Run runTool(const QStringList& arguments, const QString& errFile)
{
    QList<QByteArray> bytes{QByteArrayLiteral(PELLAM_TOOL)};
    for (const QString& a : arguments)
        bytes.append(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray errPath = errFile.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 2, errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    Run run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        return run;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = timer.nsecsElapsed() / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMb = usage.ru_maxrss / 1024.0;
    QFile err(errFile);
    if (err.open(QIODevice::ReadOnly))
        run.err = QString::fromLocal8Bit(err.readAll());
    return run;
}

void report(const char* what, const Run& run, const char* goal)
{
    out << QStringLiteral("%1 %2 s %3 MB  exit %4   (goal: %5)")
               .arg(QLatin1String(what), -34)
               .arg(run.seconds, 6, 'f', 2)
               .arg(run.peakMb, 6, 'f', 1)
               .arg(run.code)
               .arg(QLatin1String(goal))
        << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int rows = option(arguments, QStringLiteral("--rows"), QStringLiteral("100000")).toInt();
    const QString vouchers = option(arguments, QStringLiteral("--vouchers"), QStringLiteral("100000"));
    const QString heads = option(arguments, QStringLiteral("--heads"), QStringLiteral("500"));

    QTemporaryDir home;
    QProcess demo;
    demo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    demo.start(QStringLiteral(PELLAM_TOOL),
               {QStringLiteral("--home"), home.path(), QStringLiteral("demo"), QStringLiteral("--year"),
                QStringLiteral("2026"), QStringLiteral("--vouchers"), vouchers, QStringLiteral("--heads"), heads,
                QStringLiteral("--institutions"), QStringLiteral("20")});
    if (!demo.waitForFinished(-1) || demo.exitCode() != 0) {
        out << "pellam demo failed" << Qt::endl;
        return 1;
    }
    out << "Books: " << vouchers << " vouchers, " << heads << " ledger heads, 20 institutions; files of " << rows
        << " rows" << Qt::endl;

    QStringList codes;
    {
        db::Connection conn;
        conn.Open(home.filePath(QStringLiteral("Data/account2627.db")));
        const int cash = data::cashAccount(conn)->accno;
        for (db::RecordSet rs = conn.query(QStringLiteral("select acccode from account where accno<>?"), {cash});
             !rs.eof(); rs.MoveNext())
            codes.append(rs.toString(QStringLiteral("acccode")));
    }

    // Rows of every form the reader meets: names and codes, quoted
    // narrations with separators, both types, dates across the year.
    auto* random = QRandomGenerator::global();
    const int badRow = rows * 3 / 4;
    QByteArray good = "date,institution,type,head,amount,narration,bill number\n";
    QByteArray bad = good;
    for (int i = 0; i < rows; ++i) {
        const QDate date = QDate(2026, 4, 1).addDays(random->bounded(365));
        const QByteArray row = QStringLiteral("%1,%2,%3,%4,%5.%6,\"FEES, TERM %7\",I%8\n")
                                   .arg(date.toString(QStringLiteral("dd/MM/yyyy")))
                                   .arg(1 + random->bounded(20))
                                   .arg(random->bounded(2) ? QStringLiteral("R") : QStringLiteral("Payment"))
                                   .arg(codes[random->bounded(int(codes.size()))])
                                   .arg(1 + random->bounded(100000))
                                   .arg(random->bounded(100), 2, 10, QLatin1Char('0'))
                                   .arg(i % 3 + 1)
                                   .arg(i)
                                   .toUtf8();
        good += row;
        // The header is line 1, so row i is on line i + 2.
        bad += i == badRow ? QByteArray("31/02/2027,1,R,") + codes.first().toUtf8() + ",10,,\n" : row;
    }
    const QString goodFile = home.filePath(QStringLiteral("good.csv"));
    const QString badFile = home.filePath(QStringLiteral("bad.csv"));
    for (const auto& [name, bytes] : {std::pair{goodFile, good}, std::pair{badFile, bad}}) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            out << "cannot write " << name << Qt::endl;
            return 1;
        }
    }

    const QString errFile = home.filePath(QStringLiteral("err.txt"));
    const auto import = [&](const QString& file) {
        return runTool({QStringLiteral("--home"), home.path(), QStringLiteral("import"), QStringLiteral("vouchers"),
                       file, QStringLiteral("--year"), QStringLiteral("2026")},
                      errFile);
    };
    const Run refused = import(badFile);
    report("refused, one bad row", refused, "under 5 s");
    out << "  " << refused.err.section(QLatin1Char('\n'), 0, 0) << "   (the bad row is on line " << badRow + 2
        << ")" << Qt::endl;
    report("stored", import(goodFile), "under 10 s and under 100 MB");
    report("again, every row a duplicate", import(goodFile), "no goal");

    // A bank's statement: title lines, its own columns, 02-Apr-2026 dates,
    // grouped amounts; twenty rules, and a default head for the rest.
    const auto tool = [&](const QStringList& words) {
        return runTool(QStringList{QStringLiteral("--home"), home.path()} + words +
                           QStringList{QStringLiteral("--year"), QStringLiteral("2026")},
                       errFile);
    };
    tool({QStringLiteral("import"), QStringLiteral("mapping"), QStringLiteral("save"), QStringLiteral("BANK"),
          QStringLiteral("--date-column"), QStringLiteral("Txn Date"), QStringLiteral("--date-format"),
          QStringLiteral("dd-mmm-yyyy"), QStringLiteral("--credit-column"), QStringLiteral("Credit"),
          QStringLiteral("--debit-column"), QStringLiteral("Debit"), QStringLiteral("--narration-column"),
          QStringLiteral("Description"), QStringLiteral("--bill-column"), QStringLiteral("Cheque No."),
          QStringLiteral("--shop"), QStringLiteral("1")});
    for (int r = 0; r < 20; ++r)
        tool({QStringLiteral("import"), QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("BANK"),
              QStringLiteral("--contains"), QStringLiteral("PARTY %1 ").arg(r), QStringLiteral("--head"), codes[r]});
    QByteArray statement =
        "Statement of account\nAccount No.,0001234\n\nTxn Date,Description,Cheque No.,Debit,Credit,Balance\n";
    for (int i = 0; i < rows; ++i) {
        const bool credit = random->bounded(2);
        const QString amount = QStringLiteral("\"%1,%2.%3\"")
                                   .arg(1 + random->bounded(99))
                                   .arg(random->bounded(1000), 3, 10, QLatin1Char('0'))
                                   .arg(random->bounded(100), 2, 10, QLatin1Char('0'));
        statement += QStringLiteral("%1,NEFT PARTY %2 REF %3,%4,%5,%6,\"1,00,000.00\"\n")
                         .arg(QDate(2026, 4, 1).addDays(random->bounded(365)).toString(QStringLiteral("dd-MMM-yyyy")))
                         .arg(random->bounded(25))
                         .arg(i)
                         .arg(i % 1000000)
                         .arg(credit ? QString() : amount, credit ? amount : QString())
                         .toUtf8();
    }
    const QString bankFile = home.filePath(QStringLiteral("statement.csv"));
    QFile bank(bankFile);
    if (!bank.open(QIODevice::WriteOnly) || bank.write(statement) != statement.size())
        return 1;
    bank.close();
    report("bank statement stored", tool({QStringLiteral("import"), QStringLiteral("vouchers"), bankFile,
                                         QStringLiteral("--mapping"), QStringLiteral("BANK"),
                                         QStringLiteral("--default-head"), codes.last()}),
           "under 10 s and under 100 MB");
    return 0;
}
