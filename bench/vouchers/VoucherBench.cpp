// Benchmarks of the voucher window on `pellam demo` books of 1,000,000
// vouchers, 5,000 ledger heads and 20 institutions: a save (insert, the
// head's listing for the institution, commit, the next number), loading a
// voucher by number, the lookup's filter after the pause, and the list of
// the busiest day. Medians in milliseconds.
//
//   bench_vouchers [--vouchers N] [--heads N] [--books FILE]

#include "data/CashAccount.h"
#include "grids/ListGrid.h"
#include "grids/PopupGrid.h"
#include "vouchers/HeadLookup.h"
#include "data/VoucherStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>

namespace {

using namespace pellam;

QTextStream out(stdout);

QString option(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

// The median of `runs` timings of `work`, in milliseconds.
double medianMs(int runs, const std::function<void(int)>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work(i);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, double ms, const char* goal)
{
    out << QStringLiteral("%1 %2 ms   (goal: under %3 ms)").arg(QLatin1String(what), -40).arg(ms, 8, 'f', 2)
               .arg(QLatin1String(goal))
        << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString vouchers = option(arguments, QStringLiteral("--vouchers"), QStringLiteral("1000000"));
    const QString heads = option(arguments, QStringLiteral("--heads"), QStringLiteral("5000"));
    QString books = option(arguments, QStringLiteral("--books"), QString());

    QTemporaryDir home;
    if (books.isEmpty()) {
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
        books = home.filePath(QStringLiteral("Data/account2627.db"));
        out << "Books: " << vouchers << " vouchers, " << heads << " ledger heads, 20 institutions" << Qt::endl;
    }

    db::Connection conn;
    conn.Open(books);
    data::VoucherStore store(conn);
    const int cash = data::cashAccount(conn)->accno;
    const qint64 last = store.nextJournalNo() - 1;
    const db::RecordSet headRows = store.ledgerHeads(cash);
    const int headCount = headRows.RecordCount();
    auto* random = QRandomGenerator::global();

    const double save = medianMs(200, [&](int i) {
        const int head = int(headRows.cell(random->bounded(headCount), 0).toLongLong());
        data::Voucher v;
        v.shopId = 1 + i % 20;
        v.debit = head;
        v.credit = cash;
        v.date = QDate(2026, 9, 15);
        v.amount = Currency::fromPaise(150050);
        v.narration = QStringLiteral("BENCHMARK VOUCHER");
        v.billNo = QStringLiteral("B") + QString::number(i);
        v.userId = QStringLiteral("MERION");
        store.save(v, std::nullopt, head);
        store.nextJournalNo();
    });
    report("save (insert, shopacc, commit, next no.)", save, "20");

    const double load = medianMs(1000, [&](int) { store.load(1 + random->bounded(last)); });
    report("load a voucher by number", load, "10");

    // The lookup as the window fills it, filtered by a few beginnings.
    QWidget form;
    auto* box = new QLineEdit(&form);
    box->setObjectName(QStringLiteral("txtDebitAccId"));
    auto* popup = new ctl::PopupGrid(&form);
    popup->setBuddyCtrl(QStringLiteral("txtDebitAccId"));
    form.resize(700, 400);
    form.show();
    popup->setRecordSet(headRows);
    popup->setColWidth({200, 0, 900, 4500});
    popup->setColTitle({QStringLiteral("*"), QString(), QStringLiteral("Ac Code"), QStringLiteral("Account Name")});
    QObject::connect(popup, &ctl::PopupGrid::OnChange,
                     [box](ctl::PopupGrid::Filter* filter) { *filter = app::headsBeginningWith(box->text()); });
    popup->show();
    const QStringList typed{QStringLiteral("S"), QStringLiteral("SA"), QStringLiteral("D"), QStringLiteral("B"),
                            QStringLiteral("T"), QStringLiteral("E"), QStringLiteral("DON")};
    const double lookup = medianMs(int(typed.size()) * 5, [&](int i) {
        box->setText(typed[i % typed.size()]);
        popup->Timer1_Timer();
    });
    out << "lookup rows in the books: " << headCount << Qt::endl;
    report("lookup filter after the pause", lookup, "50");

    const QString busiest = conn.scalar(QStringLiteral("select joudate from journal group by joudate "
                                                       "order by count(*) desc limit 1"))
                                .toString();
    const QDate day = QDate::fromString(busiest, Qt::ISODate);
    const qint64 onThatDay = conn.scalar(QStringLiteral("select count(*) from journal where joudate=?"), {busiest})
                                 .toLongLong();
    ctl::ListGrid list;
    list.resize(900, 500);
    const double dayList = medianMs(10, [&](int) {
        list.SetGridProperties(store.dayList(day, cash), {100, 800, 300, 3500, 1000, 6000},
                               {QStringLiteral("*"), QStringLiteral("J. No.")});
    });
    out << "busiest day " << busiest << ": " << onThatDay << " vouchers" << Qt::endl;
    report("day list of the busiest day", dayList, "100");
    return 0;
}
