// Writes the rows of a ledger through the workbook sink: per row a
// reference, a journal number, a date, a head's name and an amount, the
// way the ledger's sheet addresses them ("B5"), then saves the workbook.
// Prints the time of writing the rows, of saving (packing and the read
// back), of the read back alone, the file's size and the peak memory.
//
//   bench_workbook [--rows N] [--rows-per-sheet N] [--file PATH]
#include "excel/ExcelWorkbook.h"
#include "excel/WorkbookReadBack.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

namespace {

QString option(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int rows = option(arguments, QStringLiteral("--rows"), QStringLiteral("1000000")).toInt();
    const int perSheet = option(arguments, QStringLiteral("--rows-per-sheet"), QString::number(pellam::ExcelWorkbook::kSheetRows)).toInt();
    QTemporaryDir folder;
    const QString file = option(arguments, QStringLiteral("--file"), folder.filePath(QStringLiteral("ledger.xlsx")));
    QTextStream out(stdout);

    static const char* const names[] = {"TUITION FEES RECEIVED", "SALARIES", "DONATIONS", "ELECTRICITY CHARGES",
                                        "BUILDING MAINTENANCE", "BANK INTEREST", "RENT", "GRANT FROM THE TRUST"};
    QElapsedTimer clock;
    clock.start();
    pellam::ExcelWorkbook book(file, perSheet);
    const QDate first(2026, 4, 1);
    book.columnHeadings(3);
    book.text(QStringLiteral("B3"), QStringLiteral("B/V No"));
    book.text(QStringLiteral("D3"), QStringLiteral("Date"));
    book.text(QStringLiteral("E3"), QStringLiteral("Account Name"));
    book.text(QStringLiteral("F3"), QStringLiteral("Debit"));
    book.text(QStringLiteral("G3"), QStringLiteral("Credit"));
    for (int i = 0; i < rows; ++i) {
        const QString row = QString::number(i + 4);
        book.text(QLatin1Char('B') + row, QString::number(100000 + i));
        book.text(QLatin1Char('C') + row, QString::number(i % 977));
        book.date(QLatin1Char('D') + row, first.addDays(i % 365));
        book.text(QLatin1Char('E') + row, QLatin1String(names[i % 8]));
        book.amount(QLatin1Char(i % 3 ? 'F' : 'G') + row, pellam::Currency::fromPaise(qint64(i) * 37 % 10000000));
    }
    const double written = clock.nsecsElapsed() / 1e9;
    const QString last = QString::number(rows + 3);
    book.formula(QLatin1Char('F') + QString::number(rows + 4), QStringLiteral("=sum(f4:f") + last + QLatin1Char(')'), {});
    clock.restart();
    book.Save();
    const double saved = clock.nsecsElapsed() / 1e9;
    clock.restart();
    const bool whole = !pellam::excel::brokenWorkbookPart(file);
    const double readBack = clock.nsecsElapsed() / 1e9;

    out << QStringLiteral("%1 rows of 5 cells: writing %2 s, saving %3 s (of which the read back %4 s%5), "
                          "file %6 MB, peak memory %7 MB")
               .arg(rows)
               .arg(written, 0, 'f', 2)
               .arg(saved, 0, 'f', 2)
               .arg(readBack, 0, 'f', 2)
               .arg(whole ? QString() : QStringLiteral(", NOT WHOLE"))
               .arg(QFileInfo(file).size() / 1e6, 0, 'f', 1)
               .arg(peakMegabytes())
        << Qt::endl;
    return whole ? 0 : 1;
}
