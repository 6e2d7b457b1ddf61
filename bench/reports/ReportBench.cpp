// The reports on the sample books (1,000,000 vouchers, 500 heads, 20
// institutions) through `pellam report NAME`: the ledger of every head and
// the receipt and payment account for the whole year on every route (the
// text file, the workbook, the PDF file), the summary for the whole year
// with the cash opening, the monthly statement for March and the quarterly
// statement for the fourth quarter as text. For each: its time, its peak
// memory, and the raw queries that feed it on the same books (the ledger
// and cash book: a grouped select of the openings and the ordered vouchers,
// every row stepped and every column read; the statements: one grouped
// select per side of the journal), with the ratio of the two and the goal.
//
//   bench_reports [--books HOME] [--vouchers N] [--heads N] [--institutions N]
//                 [--runs N] [--reports ledger,recpay,summary,monthly,quarterly]
//                 [--formats text,xlsx,pdf]
//
// --books runs on the books a `pellam --home HOME demo --year 2026` made
// (copy them first: nothing is written to them, but the program may leave
// its settings there); otherwise sample books are made in a fresh folder.

#include "database/Connection.h"
#include "database/Cursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
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
    " where (+dbaccno = (select accno from CurCashAccount) or +craccno = (select accno from CurCashAccount))"
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

// Steps every row of each query and reads every column, holding none.
double rawQueries(const QString& books, const RawQueries& raw)
{
    pellam::db::Connection conn;
    conn.Open(books, true, 5000, true);
    QElapsedTimer timer;
    timer.start();
    QStringList rows;
    qint64 bytes = 0;
    for (const QString& sql : raw) {
        qint64 count = 0;
        for (pellam::db::Cursor rs = conn.cursor(sql); !rs.eof(); rs.MoveNext(), ++count)
            for (int i = 0; i < rs.FieldCount(); ++i)
                bytes += rs.isNull(i) ? 0 : rs.toString(i).size();
        rows << QString::number(count);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    out << "  raw queries: " << QString::number(seconds, 'f', 2) << " s (rows read: " << rows.join(QStringLiteral(", "))
        << "; " << bytes << " characters)" << Qt::endl;
    return seconds;
}

// The goals of a route: its time as a multiple of the raw queries, and
// its peak memory.
struct Goal {
    double ratio = 0; // 0: no goal for the time
    double megabytes = 0;
    QString text() const
    {
        QStringList parts;
        if (ratio > 0)
            parts << QStringLiteral("at most %1x raw").arg(ratio);
        parts << QStringLiteral("at most %1 MB").arg(megabytes);
        return parts.join(QStringLiteral(", "));
    }
};

Goal goalOf(const QString& format)
{
    if (format == QLatin1String("xlsx"))
        return {6, 160};
    if (format == QLatin1String("pdf"))
        return {0, 64};
    return {2, 64};
}

// Peak memory of one run of the tool, MB, measured in a process of its own.
double peakOf(const QString& bench, const QStringList& command)
{
    QProcess peak;
    peak.start(bench, QStringList{QStringLiteral("--peak")} + command);
    if (!peak.waitForFinished(-1) || peak.exitCode() != 0)
        return -1;
    return peak.readAllStandardOutput().trimmed().toDouble() / 1024.0;
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
    const QStringList formats =
        option(arguments, QStringLiteral("--formats"), QStringLiteral("text,xlsx,pdf")).split(QLatin1Char(','));

    QTemporaryDir made;
    const QString given = option(arguments, QStringLiteral("--books"), QString());
    const QString home = given.isEmpty() ? made.path() : given;
    if (given.isEmpty()) {
        if (timed({QStringLiteral("--home"), home, QStringLiteral("demo"), QStringLiteral("--year"),
                   QStringLiteral("2026"), QStringLiteral("--vouchers"), vouchers, QStringLiteral("--heads"), heads,
                   QStringLiteral("--institutions"), institutions}) < 0) {
            out << "pellam demo failed" << Qt::endl;
            return 1;
        }
        out << "Books: " << vouchers << " vouchers, " << heads << " ledger heads, " << institutions << " institutions"
            << Qt::endl;
    } else {
        out << "Books: " << home << Qt::endl;
    }
    const QString books = QDir(home).filePath(QStringLiteral("Data/account2627.db"));
    const int shops = given.isEmpty()
                          ? institutions.toInt()
                          : [&] {
                                pellam::db::Connection conn;
                                conn.Open(books, true, 5000, true);
                                return conn.scalar(QStringLiteral("select count(*) from organization")).toInt();
                            }();
    const QString monthsBeforeMarch = QStringLiteral("(cast(substr(joudate, 6, 2) as integer) > 3"
                                                     " or cast(substr(joudate, 6, 2) as integer) < 3)");
    const QString monthsBeforeJanuary = QStringLiteral("(cast(substr(joudate, 6, 2) as integer) > 3"
                                                       " or cast(substr(joudate, 6, 2) as integer) < 1)");
    const QStringList everyRoute{QStringLiteral("text"), QStringLiteral("xlsx"), QStringLiteral("pdf")};
    const struct {
        const char* name;
        const char* what;
        QStringList options;
        RawQueries raw;
        QStringList routes;
        // For the statements: their figures before the long reports
        // streamed, on these books and this machine; their raw queries
        // were then read into a record set, so their ratios were lower.
        const char* goal;
    } reports[] = {
        {"ledger", "ledger of every head", {}, kLedgerRaw, everyRoute, nullptr},
        {"recpay", "receipt and payment account", {}, kRecPayRaw, everyRoute, nullptr},
        {"summary", "summary with the cash opening", {QStringLiteral("--with-opening")},
         groupedSums({QStringLiteral("(joudate >= '2026-04-01' and joudate <= '2027-03-31')"),
                      QStringLiteral("joudate < '2026-04-01'")},
                     shops),
         {QStringLiteral("text")}, "unchanged: 0.51 s, about 29 MB"},
        {"monthly", "monthly statement for March", {QStringLiteral("--month"), QStringLiteral("3")},
         groupedSums({month(3), monthsBeforeMarch}, shops), {QStringLiteral("text")},
         "unchanged: 0.58 s, about 29 MB"},
        {"quarterly", "quarterly statement, fourth quarter", {QStringLiteral("--quarter"), QStringLiteral("fourth")},
         groupedSums({month(1), month(2), month(3), monthsBeforeJanuary}, shops), {QStringLiteral("text")},
         "unchanged: 0.78 s, about 29 MB"},
    };
    const QStringList chosen =
        option(arguments, QStringLiteral("--reports"), QStringLiteral("ledger,recpay,summary,monthly,quarterly"))
            .split(QLatin1Char(','));
    QTemporaryDir outputs;
    for (const auto& r : reports) {
        const QString name = QString::fromLatin1(r.name);
        if (!chosen.contains(name))
            continue;
        out << QString::fromLatin1(r.what) << ":" << Qt::endl;
        const double raw = rawQueries(books, r.raw);
        for (const QString& format : r.routes) {
            if (!formats.contains(format))
                continue;
            const QStringList command =
                QStringList{QStringLiteral("--home"), home, QStringLiteral("report"), name, QStringLiteral("--date"),
                            QStringLiteral("01/04/2026"), QStringLiteral("--format"), format, QStringLiteral("--out"),
                            outputs.filePath(name + QLatin1Char('.') + (format == QLatin1String("text") ? QStringLiteral("txt") : format))} +
                r.options;
            double best = -1;
            for (int run = 1; run <= runs; ++run) {
                const double seconds = timed(command);
                if (seconds < 0) {
                    out << "pellam report " << name << " --format " << format << " failed" << Qt::endl;
                    return 1;
                }
                best = best < 0 ? seconds : std::min(best, seconds);
                out << QStringLiteral("  %1 run %2: %3 s").arg(format).arg(run).arg(seconds, 0, 'f', 2) << Qt::endl;
            }
            const double megabytes = peakOf(app.applicationFilePath(), command);
            const Goal goal = goalOf(format);
            out << QStringLiteral("  %1: best %2 s, raw %3 s, ratio %4; peak %5 MB (goal: %6)")
                       .arg(format)
                       .arg(best, 0, 'f', 2)
                       .arg(raw, 0, 'f', 2)
                       .arg(best / raw, 0, 'f', 2)
                       .arg(megabytes, 0, 'f', 1)
                       .arg(r.goal ? QString::fromLatin1(r.goal) : goal.text())
                << Qt::endl;
        }
    }
    return 0;
}
