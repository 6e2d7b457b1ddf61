// Benchmarks of the year's books: `pellam demo` on 1,000,000 vouchers, 500
// heads and 20 institutions, then start-up steps 10 to 16 on those books
// (open, cash account, version, checks, repairs) in a process of their own,
// so that its peak memory is theirs alone.
//
//   bench_books [--vouchers N] [--heads N] [--institutions N] [--runs N]

#include "data/StartupChecks.h"
#include "database/Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

namespace {

QTextStream out(stdout);

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Steps 10 to 16 of start-up; prints "<milliseconds> <peak kB>".
int runStartup(const QString& books)
{
    using namespace pellam;
    QElapsedTimer timer;
    timer.start();
    db::Connection conn;
    conn.Open(books);
    const auto cash = data::verifyCashAccount(conn);
    if (!cash)
        return 1;
    if (data::schemaVersion(conn) != data::SchemaVersion::Current)
        return 1;
    data::hasInstitutions(conn);
    data::hasVouchersWithUnknownHeads(conn);
    data::repairHeadsInUse(conn, cash->accno);
    data::repairOpenings(conn, cash->accno);
    conn.Close();
    out << timer.nsecsElapsed() / 1e6 << ' ' << peakKilobytes() << Qt::endl;
    return 0;
}

QString option(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

bool runProcess(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--startup"))
        return runStartup(arguments[2]);

    const QString vouchers = option(arguments, QStringLiteral("--vouchers"), QStringLiteral("1000000"));
    const QString heads = option(arguments, QStringLiteral("--heads"), QStringLiteral("500"));
    const QString institutions = option(arguments, QStringLiteral("--institutions"), QStringLiteral("20"));
    const int runs = option(arguments, QStringLiteral("--runs"), QStringLiteral("3")).toInt();

    QTemporaryDir home;
    QElapsedTimer timer;
    timer.start();
    if (!runProcess(QStringLiteral(PELLAM_TOOL),
                    {QStringLiteral("--home"), home.path(), QStringLiteral("demo"), QStringLiteral("--year"),
                     QStringLiteral("2026"), QStringLiteral("--vouchers"), vouchers, QStringLiteral("--heads"), heads,
                     QStringLiteral("--institutions"), institutions})) {
        out << "pellam demo failed" << Qt::endl;
        return 1;
    }
    const double demoSeconds = timer.nsecsElapsed() / 1e9;
    out << "Books: " << vouchers << " vouchers, " << heads << " ledger heads, " << institutions << " institutions"
        << Qt::endl;
    out << QStringLiteral("pellam demo                  %1 s      (goal: under 30 s)").arg(demoSeconds, 0, 'f', 2)
        << Qt::endl;

    const QString books = home.filePath(QStringLiteral("Data/account2627.db"));
    const auto startup = [&](const QString& label) {
        QByteArray figures;
        if (!runProcess(app.applicationFilePath(), {QStringLiteral("--startup"), books}, &figures))
            return false;
        const QList<QByteArray> parts = figures.trimmed().split(' ');
        out << QStringLiteral("start-up steps 10-16, %1  %2 ms   (goal: under 2000 ms); peak memory %3 MB (goal: under 200 MB)")
                   .arg(label)
                   .arg(parts.value(0).toDouble(), 0, 'f', 1)
                   .arg(parts.value(1).toDouble() / 1024.0, 0, 'f', 1)
            << Qt::endl;
        return true;
    };
    for (int run = 1; run <= runs; ++run)
        if (!startup(QStringLiteral("run %1").arg(run)))
            return 1;

    // Books that need every repair: no heads in use listed, a third of the
    // openings missing, some doubled.
    {
        pellam::db::Connection conn;
        conn.Open(books);
        conn.executeScript(QStringLiteral(
            "delete from shopacc; delete from accountopening where accno % 3 = 0;"
            "insert into accountopening select * from accountopening where accno % 7 = 1;"));
    }
    return startup(QStringLiteral("with repairs")) ? 0 : 1;
}
