// The yearly closing and a restore on sample books made by `pellam demo`
// (1,000,000 vouchers, 500 heads, 20 institutions by default): the closing
// into a new file, the closing again over an existing one (with its safety
// copy), a backup, and the restore of that backup (checks, safety copy,
// replacing, start-up checks).
//
//   bench_yearend [--vouchers N] [--heads N] [--institutions N]

#include "data/FinancialYear.h"
#include "database/Connection.h"
#include "errors/PellamError.h"
#include "yearend/BackupCopy.h"
#include "yearend/BackupRestore.h"
#include "yearend/YearClosing.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QTextStream out(stdout);

QString option(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

template <class Work>
void timed(const QString& label, Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    out << QStringLiteral("%1 %2 ms   (goal: under 5000 ms)").arg(label, -34).arg(timer.nsecsElapsed() / 1e6, 0, 'f', 1)
        << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace pellam;
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString vouchers = option(arguments, QStringLiteral("--vouchers"), QStringLiteral("1000000"));
    const QString heads = option(arguments, QStringLiteral("--heads"), QStringLiteral("500"));
    const QString institutions = option(arguments, QStringLiteral("--institutions"), QStringLiteral("20"));

    QTemporaryDir home;
    QProcess demo;
    demo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    demo.start(QStringLiteral(PELLAM_TOOL),
               {QStringLiteral("--home"), home.path(), QStringLiteral("demo"), QStringLiteral("--year"), QStringLiteral("2026"),
                QStringLiteral("--vouchers"), vouchers, QStringLiteral("--heads"), heads, QStringLiteral("--institutions"),
                institutions});
    if (!demo.waitForFinished(-1) || demo.exitCode() != 0) {
        out << "pellam demo failed" << Qt::endl;
        return 1;
    }
    out << "Books: " << vouchers << " vouchers, " << heads << " ledger heads, " << institutions << " institutions" << Qt::endl;

    const data::FinancialYear year = data::FinancialYear::beginningIn(2026);
    const QString books = QDir(home.path()).filePath(QStringLiteral("Data/account2627.db"));
    try {
        // The program keeps its connection open on the books meanwhile.
        db::Connection conn;
        conn.Open(books);
        yearend::YearClosing closing(home.path(), books, year);
        timed(QStringLiteral("yearly closing"), [&] { closing.run(false, {}); });
        timed(QStringLiteral("yearly closing over existing books"), [&] { closing.run(true, {}); });

        const QString backup = QDir(home.path()).filePath(QStringLiteral("books_2627.bak"));
        timed(QStringLiteral("backup"), [&] { yearend::copyYearDatabase(books, backup); });
        yearend::BackupRestore restore(conn, books, year, QDir(home.path()).filePath(QStringLiteral("BackUp/App02627")));
        timed(QStringLiteral("restore"), [&] {
            restore.prepare(backup);
            restore.restore();
        });
    } catch (const PellamError& e) {
        out << "failed: " << e.Description() << Qt::endl;
        return 1;
    }
    return 0;
}
