// Figures of the master windows on sample books made by `pellam demo`
// (1,000,000 vouchers, 500 heads, 20 institutions unless told otherwise):
// the accounts browser's "Reciept & Payment" listing (year totals of every
// head from one grouped query, against two sums per head for comparison),
// one head's vouchers, and the ledger head window when the program has it.
//
//   bench_masters [--vouchers N] [--heads N] [--institutions N] [--runs N] [--books FILE]

#include "core/AppState.h"
#include "core/MdiHost.h"
#include "dialogs/ScriptedDialogs.h"
#include "masters/AccountsListQuery.h"
#include "masters/DetailListModel.h"
#include "masters/FrmAccounts.h"
#include "masters/frmTreeList.h"
#include "shell/PellamMenu.h"


#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

using namespace pellam;
using namespace pellam::app;
using namespace pellam::masters;

QTextStream out(stdout);

QString option(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

bool makeBooks(const QString& home, const QString& vouchers, const QString& heads, const QString& institutions)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(PELLAM_TOOL),
                  {QStringLiteral("--home"), home, QStringLiteral("demo"), QStringLiteral("--year"), QStringLiteral("2026"),
                   QStringLiteral("--vouchers"), vouchers, QStringLiteral("--heads"), heads, QStringLiteral("--institutions"),
                   institutions});
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

// Runs `step` `runs` times; prints the fastest and the median in milliseconds.
void measure(const QString& label, int runs, const std::function<void()>& step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    out << QStringLiteral("%1 min %2 ms, median %3 ms   (goal: under 1000 ms)")
               .arg(label, -52)
               .arg(times.front(), 7, 'f', 1)
               .arg(times[times.size() / 2], 7, 'f', 1)
        << Qt::endl;
}

// The head with the most vouchers, for the slowest voucher list.
qint64 busiestHead()
{
    return state()
        .Conn
        .scalar(QStringLiteral("select accno from (select debitaccid as accno from journal union all "
                               "select creditaccid from journal) where accno not in (select accno from CurCashAccount) "
                               "group by accno order by count(*) desc limit 1"))
        .toLongLong();
}

QTreeWidgetItem* nodeOf(QTreeWidget* tree, qint64 accno)
{
    QTreeWidgetItem* rp = tree->topLevelItem(0)->child(0);
    for (int i = 0; i < rp->childCount(); ++i)
        if (rp->child(i)->data(0, Qt::UserRole + 1).toLongLong() == accno)
            return rp->child(i);
    return nullptr;
}

// Down to the next head, then Enter to show it with its openings, as a
// person walks the list.
void walkDown(QWidget* grid, int times)
{
    for (int i = 0; i < times; ++i)
        for (const int key : {int(Qt::Key_Down), int(Qt::Key_Return)}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(grid, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(grid, &release);
        }
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString vouchers = option(arguments, QStringLiteral("--vouchers"), QStringLiteral("1000000"));
    const QString heads = option(arguments, QStringLiteral("--heads"), QStringLiteral("500"));
    const QString institutions = option(arguments, QStringLiteral("--institutions"), QStringLiteral("20"));
    const int runs = std::max(1, option(arguments, QStringLiteral("--runs"), QStringLiteral("5")).toInt());

    QTemporaryDir home;
    QString books = option(arguments, QStringLiteral("--books"), QString());
    if (books.isEmpty()) {
        if (!makeBooks(home.path(), vouchers, heads, institutions)) {
            out << "pellam demo failed" << Qt::endl;
            return 1;
        }
        books = home.filePath(QStringLiteral("Data/account2627.db"));
        out << "Books: " << vouchers << " vouchers, " << heads << " ledger heads, " << institutions << " institutions"
            << Qt::endl;
    } else {
        out << "Books: " << books << Qt::endl;
    }

    ScriptedDialogsGuard dialogs; // any message box is answered with its default button
    AppState& s = state();
    s.DbFile = books;
    s.Conn.Open(books);
    PellamMenu menu;
    menu.show();

    AccountsListQuery query(s.Conn);
    measure(QStringLiteral("year totals, one grouped query"), runs, [&] { query.totals(); });
    measure(QStringLiteral("year totals, two sums per head (for comparison)"), runs, [&] {
        for (const LedgerHead& head : query.heads()) {
            s.Conn.scalar(QStringLiteral("select sum(amount) as db from journal where debitaccid=?"), {head.accno});
            s.Conn.scalar(QStringLiteral("select sum(amount) as db from journal where creditaccid=?"), {head.accno});
        }
    });

    auto* browser = new frmTreeList;
    measure(QStringLiteral("frmTreeList: build the tree (Form_Load)"), runs, [&] { browser->Form_Load(); });
    showChild(browser);
    auto* tree = browser->findChild<QTreeWidget*>(QStringLiteral("tvTreeView"));
    measure(QStringLiteral("frmTreeList: \"Reciept & Payment\" listing"), runs,
            [&] { browser->tvTreeView_NodeClick(tree->topLevelItem(0)->child(0)); });
    const qint64 busiest = busiestHead();
    QTreeWidgetItem* node = nodeOf(tree, busiest);
    if (!node)
        return 1;
    measure(QStringLiteral("frmTreeList: vouchers of the busiest head"), runs, [&] { browser->tvTreeView_NodeClick(node); });
    out << QStringLiteral("  (%1 vouchers listed)").arg(browser->listModel()->rowCount()) << Qt::endl;
    measure(QStringLiteral("frmTreeList: sort that list by Debit"), runs, [&] { browser->lvListView_ColumnClick(3); });

    closeChildWindows();

    measure(QStringLiteral("FrmAccounts: open"), runs, [&] {
        auto* window = new FrmAccounts;
        showChild(window);
        closeChildWindows();
        QCoreApplication::processEvents();
    });
    auto* accounts = new FrmAccounts;
    showChild(accounts);
    QWidget* list = accounts->findChild<QWidget*>(QStringLiteral("ListGrid1"));
    QWidget* grid = list ? list->findChild<QWidget*>(QStringLiteral("GridOnPOP")) : nullptr;
    auto* code = accounts->findChild<QLineEdit*>(QStringLiteral("txtAccCode"));
    if (grid && code) {
        measure(QStringLiteral("FrmAccounts: walk 50 heads in ListGrid1 (Down, Enter)"), runs, [&] { walkDown(grid, 50); });
        out << QStringLiteral("  (now showing head %1)").arg(code->text()) << Qt::endl;
    }
    closeChildWindows();
    s.Conn.Close();
    return 0;
}
