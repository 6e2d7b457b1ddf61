// The ledger of every head and the receipt and payment account, both for
// the whole year on the sample books (1,000,000 vouchers, 500 heads, 20
// institutions) through `pellam report ledger|recpay --format text`, their
// peak memory, and the raw queries that feed each (one grouped select of
// the sums, one ordered select of the vouchers) on the same books, with the
// ratio of the two.
//
//   bench_reports [--vouchers N] [--heads N] [--institutions N] [--runs N]

#include "database/Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

namespace {

QTextStream out(stdout);

QString option(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

// Seconds the program took; negative when it failed.
double timed(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(PELLAM_TOOL), arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

// The raw questions a report asks of the books, read in full.
struct RawQueries {
    const char* sums;
    const char* vouchers;
};

const RawQueries kLedgerRaw{
    "select accno, sum(case when upper(optype) = 'C' then -opamt else opamt end) from accountopening group by accno",
    "select jousrlno, shopid, joudate, amount, narration, billno, dbaccno, craccno, dbaccname, craccname"
    " from journalview where joudate >= '2026-04-01' and joudate <= '2027-03-31' order by joudate, jousrlno"};
const RawQueries kRecPayRaw{
    "select sum(case when upper(optype) = 'D' then opamt else -opamt end) from accountopening"
    " where accno = (select accno from CurCashAccount)",
    "select jousrlno, shopid, joudate, amount, narration, billno, dbaccno, dbaccname, craccname from journalview"
    " where (dbaccno = (select accno from CurCashAccount) or craccno = (select accno from CurCashAccount))"
    " and joudate >= '2026-04-01' and joudate <= '2027-03-31' order by joudate, jousrlno"};

double rawQueries(const QString& books, const RawQueries& raw)
{
    pellam::db::Connection conn;
    conn.Open(books, true, 5000, true);
    QElapsedTimer timer;
    timer.start();
    const auto sums = conn.query(QString::fromLatin1(raw.sums));
    const auto vouchers = conn.query(QString::fromLatin1(raw.vouchers));
    const double seconds = timer.nsecsElapsed() / 1e9;
    out << "  (" << sums.RecordCount() << " sums, " << vouchers.RecordCount() << " vouchers)" << Qt::endl;
    return seconds;
}

} // namespace

// Runs the tool alone in this process and prints its peak memory in kB, so
// that the figure is the report's and not the sample books' making.
int peakOfTool(const QStringList& arguments)
{
    if (timed(arguments) < 0)
        return 1;
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    out << children.ru_maxrss << Qt::endl;
    return 0;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.value(1) == QLatin1String("--peak"))
        return peakOfTool(arguments.mid(2));
    const QString vouchers = option(arguments, QStringLiteral("--vouchers"), QStringLiteral("1000000"));
    const QString heads = option(arguments, QStringLiteral("--heads"), QStringLiteral("500"));
    const QString institutions = option(arguments, QStringLiteral("--institutions"), QStringLiteral("20"));
    const int runs = option(arguments, QStringLiteral("--runs"), QStringLiteral("3")).toInt();

    QTemporaryDir home;
    if (timed({QStringLiteral("--home"), home.path(), QStringLiteral("demo"), QStringLiteral("--year"),
               QStringLiteral("2026"), QStringLiteral("--vouchers"), vouchers, QStringLiteral("--heads"), heads,
               QStringLiteral("--institutions"), institutions}) < 0) {
        out << "pellam demo failed" << Qt::endl;
        return 1;
    }
    out << "Books: " << vouchers << " vouchers, " << heads << " ledger heads, " << institutions << " institutions"
        << Qt::endl;
    const QString books = home.filePath(QStringLiteral("Data/account2627.db"));
    const struct {
        const char* name;
        const char* what;
        RawQueries raw;
    } reports[] = {{"ledger", "ledger of every head", kLedgerRaw},
                   {"recpay", "receipt and payment account", kRecPayRaw}};
    for (const auto& r : reports) {
        const QString name = QString::fromLatin1(r.name);
        const QStringList command{QStringLiteral("--home"), home.path(), QStringLiteral("report"), name,
                                  QStringLiteral("--date"), QStringLiteral("01/04/2026"), QStringLiteral("--format"),
                                  QStringLiteral("text"), QStringLiteral("--out"), home.filePath(name + ".txt")};
        for (int run = 1; run <= runs; ++run) {
            const double seconds = timed(command);
            if (seconds < 0) {
                out << "pellam report " << name << " failed" << Qt::endl;
                return 1;
            }
            const double raw = rawQueries(books, r.raw);
            out << QStringLiteral("run %1: %2, whole year %3 s; raw queries %4 s; ratio %5 (goal: under 3)")
                       .arg(run)
                       .arg(QString::fromLatin1(r.what))
                       .arg(seconds, 0, 'f', 2)
                       .arg(raw, 0, 'f', 2)
                       .arg(seconds / raw, 0, 'f', 2)
                << Qt::endl;
        }
        QProcess peak;
        peak.start(app.applicationFilePath(), QStringList{QStringLiteral("--peak")} + command);
        if (!peak.waitForFinished(-1) || peak.exitCode() != 0)
            return 1;
        out << QStringLiteral("peak memory of the %1 run %2 MB (goal: under 300 MB)")
                   .arg(name)
                   .arg(peak.readAllStandardOutput().trimmed().toDouble() / 1024.0, 0, 'f', 1)
            << Qt::endl;
    }
    return 0;
}
