// Loads a million ledger heads into the list grid and the lookup grid and
// filters the lookup by a typed prefix; prints the times and peak memory.
// Run headless: QT_QPA_PLATFORM=offscreen controls_grids_bench [records]
#include "grids/FlexGrid.h"
#include "grids/ListGrid.h"
#include "grids/PopupGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>


#include <sys/resource.h>

#include <cstdio>
#include <functional>

using pellam::ctl::ListGrid;
using pellam::ctl::PopupGrid;

namespace {

double timed(const std::function<void()>& act)
{
    QElapsedTimer clock;
    clock.start();
    act();
    return clock.nsecsElapsed() / 1e6;
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Ledger heads with names from a fixed seed, so every run sees the same books.
pellam::db::RecordSet heads(int count)
{
    static const char* words[] = {"BANK", "BUILDING", "CHARGES", "DONATION", "ELECTRICITY", "FEES", "GRANT",
                                  "INTEREST", "MAINTENANCE", "RENT", "SALARY", "TRUST", "WATER"};
    QRandomGenerator random(20240401);
    std::vector<QVariant> cells;
    cells.reserve(size_t(count) * 3);
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1 %2 %3")
                                 .arg(QLatin1String(words[random.bounded(13)]), QLatin1String(words[random.bounded(13)]))
                                 .arg(i);
        cells.emplace_back(i + 1);
        cells.emplace_back(name);
        cells.emplace_back(QStringLiteral("C%1").arg(i, 6, 36, QLatin1Char('0')).toUpper());
    }
    return pellam::db::RecordSet({"accno", "AccName", "AccCode"}, {"INTEGER", "TEXT", "CHAR(7)"}, std::move(cells));
}

void report(const char* what, double ms)
{
    std::printf("%-58s %10.1f ms\n", what, ms);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
    std::printf("%d records\n", count);

    pellam::db::RecordSet records;
    report("build the record set (not the grids' work)", timed([&] { records = heads(count); }));
    std::printf("%-58s %10ld MB\n", "peak memory with the records", peakMegabytes());

    QWidget form;
    form.resize(800, 600);
    auto* list = new ListGrid(&form);
    list->setGeometry(0, 0, 500, 400);
    form.show();
    QApplication::processEvents();
    report("ListGrid: SetGridProperties", timed([&] {
               list->SetGridProperties(records, {300, 900, 3000, 1200}, {"", "No", "Ledger Head", "Code"}, 2, 3);
           }));
    report("ListGrid: first paint", timed([&] { list->grid()->repaint(); }));
    report("ListGrid: scroll to the last record and paint", timed([&] {
               list->grid()->setRow(list->grid()->Rows() - 1);
               list->grid()->scrollCurrentToTop();
               list->grid()->repaint();
           }));
    list->grid()->setRow(1);
    const QString lateName = records.cell(count - 2, 1).toString();
    report("ListGrid: type-ahead to the last but one record", timed([&] {
               list->findChild<QLineEdit*>("TxtEnter")->setText(lateName);
               list->Timer1_Timer();
           }));
    std::printf("%-58s %10d\n", "  current row after type-ahead", list->grid()->Row());

    auto* buddy = new QLineEdit(&form);
    buddy->setObjectName("txtHead");
    auto* popup = new PopupGrid(&form);
    popup->setBuddyCtrl("txtHead");
    popup->setGeometry(500, 20, 300, 180);
    popup->setColWidth({300, 0, 3000, 1200});
    popup->setColTitle({"", "", "Ledger Head", "Code"});
    popup->setRecordSet(records);
    popup->bindBuddy();
    QObject::connect(popup, &PopupGrid::OnChange, [buddy](PopupGrid::Filter* filter) {
        const QString typed = buddy->text().trimmed();
        *filter = [typed](const pellam::db::RecordSet::Row& row) {
            return row.value(1).toString().startsWith(typed, Qt::CaseInsensitive);
        };
    });
    report("PopupGrid: show with every record", timed([&] { popup->show(); }));
    for (const char* prefix : {"B", "BANK", "BANK RENT", "BANK RENT 12345", "ZZZ"}) {
        buddy->setText(QString::fromLatin1(prefix));
        const double ms = timed([&] { popup->Timer1_Timer(); });
        char label[80];
        std::snprintf(label, sizeof label, "PopupGrid: filter by \"%s\" (%d rows)", prefix, popup->grid()->Rows() - 1);
        report(label, ms);
    }
    buddy->clear();
    report("PopupGrid: clear the filter", timed([&] { popup->Timer1_Timer(); }));
    std::printf("%-58s %10ld MB\n", "peak memory", peakMegabytes());
    return 0;
}
