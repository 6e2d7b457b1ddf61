// The report preview on a text file of a million ledger lines (about 100 MB):
// the time from opening the window to its first painted screen, with the
// file just written (in the page cache) and again with the file's cached
// pages dropped, then paging down, Ctrl+End, a find near the end and Print
// Text to a file; each with the process's peak memory so far.
//
//   QT_QPA_PLATFORM=offscreen bench_preview [lines]
#include "core/FrmPreview.h"
#include "core/LineFileView.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

using pellam::app::FrmPreview;
using pellam::app::LineFileView;

namespace {

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

double timedMs(const std::function<void()>& act)
{
    QElapsedTimer clock;
    clock.start();
    act();
    return clock.nsecsElapsed() / 1e6;
}

void figure(const char* what, double ms, const char* goal = "")
{
    std::printf("%-46s %9.1f ms  peak %4ld MB  %s\n", what, ms, peakMegabytes(), goal);
    std::fflush(stdout);
}

// A ledger page of the report as the text route writes it, line by line, so
// the file is never held whole here either. The line `marked` names a head
// found nowhere else.
void writeReport(const QString& path, int lines, int marked)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    static const char* heads[] = {"BUILDING FUND", "ELECTRICITY CHARGES", "SCHOOL FEES", "STAFF SALARY",
                                  "DONATIONS", "BANK INTEREST", "WATER CHARGES", "MAINTENANCE"};
    for (int i = 0; i < lines; ++i) {
        const char* head = i == marked ? "SRI RAMA TRUST" : heads[i % 8];
        const QByteArray line = QStringLiteral("%1  %2/%3/2026  %4  %5 %6 %7\n")
                                    .arg(i + 1, 7)
                                    .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                                    .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                                    .arg(QLatin1String(head), -22)
                                    .arg(QStringLiteral("BY CASH RECEIVED AS PER BILL %1").arg(i % 997), -36)
                                    .arg(QStringLiteral("%1.00").arg(i % 100000 + 12), 12)
                                    .arg(QStringLiteral("%1.50").arg(i % 3000000 + 1000), 14)
                                    .toLatin1();
        file.write(line);
    }
}

// Drops the file's pages from the page cache, so the next open reads the disk.
void dropFromCache(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// Runs the events until the view has painted once after `act`.
double toNextPaint(LineFileView* view, const std::function<void()>& act)
{
    struct PaintSeen : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                seen = true;
            return false;
        }
    };
    PaintSeen filter;
    return timedMs([&] {
        act();
        view->viewport()->installEventFilter(&filter);
        view->viewport()->update();
        while (!filter.seen)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    });
}

// Opens a preview and runs the events until its first screen is painted.
FrmPreview* openToFirstScreen(const QString& file, double* ms)
{
    FrmPreview* preview = nullptr;
    struct PaintSeen : QObject {
        bool seen = false;
        bool eventFilter(QObject* watched, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && watched->objectName() == QLatin1String("qt_scrollarea_viewport") &&
                watched->parent() && watched->parent()->objectName() == QLatin1String("rtbInfo"))
                seen = true;
            return false;
        }
    } filter;
    qApp->installEventFilter(&filter);
    *ms = timedMs([&] {
        preview = FrmPreview::open(file, QStringLiteral("Ledger"));
        while (!filter.seen)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    });
    qApp->removeEventFilter(&filter);
    return preview;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("PELLAM_HOME", home.filePath(QStringLiteral("home")).toLocal8Bit());

    const int marked = lines - lines / 1000;
    const QString report = home.filePath(QStringLiteral("ledger.txt"));
    const double writing = timedMs([&] { writeReport(report, lines, marked); });
    std::printf("%d lines, %.1f MB (written in %.0f ms)\n", lines, QFile(report).size() / 1048576.0, writing);
    figure("before any preview", 0);

    // The first window of a process pays for the fonts and styles once; the
    // program has shown its main window long before any preview.
    const QString tiny = home.filePath(QStringLiteral("tiny.txt"));
    writeReport(tiny, 10, -1);
    double ms = 0;
    delete openToFirstScreen(tiny, &ms);
    figure("first window of the process, 10 lines", ms);

    FrmPreview* warm = openToFirstScreen(report, &ms);
    figure("open to first screen, file in page cache", ms, "goal < 1000 ms, peak < 100 MB");
    delete warm;
    // A preview owns its file; the bench keeps it for the next runs.
    const QString copy = home.filePath(QStringLiteral("ledger2.txt"));
    writeReport(copy, lines, marked);
    dropFromCache(copy);
    FrmPreview* preview = openToFirstScreen(copy, &ms);
    figure("open to first screen, file read from disk", ms, "goal < 1000 ms, peak < 100 MB");

    auto* view = preview->findChild<LineFileView*>(QStringLiteral("rtbInfo"));
    const int pages = 200;
    ms = timedMs([&] {
        for (int i = 0; i < pages; ++i)
            toNextPaint(view, [&] { QTest::keyClick(view, Qt::Key_PageDown); });
    });
    std::printf("%-46s %9.2f ms\n", "Page Down, each (200 pages)", ms / pages);
    ms = toNextPaint(view, [&] { QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier); });
    figure("Ctrl+End to the last line painted", ms);
    if (view->cursorPosition().line != lines - 1)
        std::printf("  (cursor on line %d, not the last)\n", view->cursorPosition().line);

    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    auto* box = preview->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    box->setText(QStringLiteral("sri rama trust"));
    ms = toNextPaint(view, [&] { QTest::keyClick(box, Qt::Key_Return); });
    figure("find from the top, match 0.1% from the end", ms);
    if (view->cursorPosition().line != marked)
        std::printf("  (found on line %d, not %d)\n", view->cursorPosition().line, marked);
    box->setText(QStringLiteral("no such head"));
    ms = toNextPaint(view, [&] { QTest::keyClick(box, Qt::Key_Return); });
    figure("find of a text not there (whole file)", ms);

    pellam::SettingsStore::write(pellam::SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam\\Coffer9.0"),
                                 QStringLiteral("RawPrinter"), QStringLiteral("/dev/null"));
    ms = timedMs([&] { preview->findChild<QPushButton*>(QStringLiteral("Command3"))->click(); });
    figure("Print Text of the whole file to /dev/null", ms);
    delete preview;
    return 0;
}
