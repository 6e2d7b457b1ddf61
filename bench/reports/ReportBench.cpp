// The reports on the sample books (1,000,000 vouchers, 500 heads, 20
// institutions) through `pellam report NAME --format text`: the ledger of
// every head and the receipt and payment account for the whole year, the
// summary for the whole year with the cash opening, the monthly statement
// for March and the quarterly statement for the fourth quarter. For each:
// its time, its peak memory, and the raw queries that feed it on the same
// books (the ledger and cash book: a grouped select of the openings and the
// ordered vouchers; the statements: one grouped select per side of the
// journal), with the ratio of the two.
//
//   bench_reports [--vouchers N] [--heads N] [--institutions N] [--runs N]
//                 [--reports ledger,recpay,summary,monthly,quarterly]

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
using RawQueries = QStringList;

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

// The statements read every head's sums at once: one grouped select per
// side of the journal, a column per period the statement needs.
RawQueries groupedSums(const QStringList& periods, int institutions)
{
    QStringList shops;
    for (int i = 1; i <= institutions; ++i)
        shops << QString::number(i);
    QString columns;
    for (const QString& p : periods)
        columns += QStringLiteral(", sum(case when %1 then amount end)").arg(p);
    RawQueries raw;
    for (const char* side : {"debitaccid", "creditaccid"})
        raw << QStringLiteral("select %1%2 from journal where +shopid in (%3) group by %1")
                   .arg(QLatin1String(side), columns, shops.join(QLatin1Char(',')));
    return raw;
}

QString month(int m)
{
    return QStringLiteral("cast(substr(joudate, 6, 2) as integer) = %1").arg(m);
}

double rawQueries(const QString& books, const RawQueries& raw)
{
    pellam::db::Connection conn;
    conn.Open(books, true, 5000, true);
    QElapsedTimer timer;
    timer.start();
    QStringList rows;
    for (const QString& sql : raw)
        rows << QString::number(conn.query(sql).RecordCount());
    const double seconds = timer.nsecsElapsed() / 1e9;
    out << "  (rows read: " << rows.join(QStringLiteral(", ")) << ")" << Qt::endl;
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
    const int shops = institutions.toInt();
    const QString monthsBeforeMarch = QStringLiteral("(cast(substr(joudate, 6, 2) as integer) > 3"
                                                     " or cast(substr(joudate, 6, 2) as integer) < 3)");
    const QString monthsBeforeJanuary = QStringLiteral("(cast(substr(joudate, 6, 2) as integer) > 3"
                                                       " or cast(substr(joudate, 6, 2) as integer) < 1)");
    const struct {
        const char* name;
        const char* what;
        QStringList options;
        RawQueries raw;
        const char* goal;
    } reports[] = {
        {"ledger", "ledger of every head", {}, kLedgerRaw, "under 3"},
        {"recpay", "receipt and payment account", {}, kRecPayRaw, "under 3"},
        {"summary", "summary with the cash opening", {QStringLiteral("--with-opening")},
         groupedSums({QStringLiteral("(joudate >= '2026-04-01' and joudate <= '2027-03-31')"),
                      QStringLiteral("joudate < '2026-04-01'")},
                     shops),
         "under 2, and under 1 s"},
        {"monthly", "monthly statement for March", {QStringLiteral("--month"), QStringLiteral("3")},
         groupedSums({month(3), monthsBeforeMarch}, shops), "under 2, and under 1 s"},
        {"quarterly", "quarterly statement, fourth quarter", {QStringLiteral("--quarter"), QStringLiteral("fourth")},
         groupedSums({month(1), month(2), month(3), monthsBeforeJanuary}, shops), "under 2, and under 1 s"},
    };
    const QStringList chosen =
        option(arguments, QStringLiteral("--reports"), QStringLiteral("ledger,recpay,summary,monthly,quarterly"))
            .split(QLatin1Char(','));
    for (const auto& r : reports) {
        const QString name = QString::fromLatin1(r.name);
        if (!chosen.contains(name))
            continue;
        const QStringList command = QStringList{QStringLiteral("--home"), home.path(), QStringLiteral("report"), name,
                                                QStringLiteral("--date"), QStringLiteral("01/04/2026"),
                                                QStringLiteral("--format"), QStringLiteral("text"),
                                                QStringLiteral("--out"), home.filePath(name + ".txt")} +
                                    r.options;
        for (int run = 1; run <= runs; ++run) {
            const double seconds = timed(command);
            if (seconds < 0) {
                out << "pellam report " << name << " failed" << Qt::endl;
                return 1;
            }
            const double raw = rawQueries(books, r.raw);
            out << QStringLiteral("run %1: %2, %3 s; raw queries %4 s; ratio %5 (goal: %6)")
                       .arg(run)
                       .arg(QString::fromLatin1(r.what))
                       .arg(seconds, 0, 'f', 2)
                       .arg(raw, 0, 'f', 2)
                       .arg(seconds / raw, 0, 'f', 2)
                       .arg(QLatin1String(r.goal))
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
