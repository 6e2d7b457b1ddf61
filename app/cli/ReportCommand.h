#pragma once

#include "cli/CommandLine.h"
#include "reports/ReportChoices.h"
#include "reports/JournalSums.h"
#include "reports/ReportProgress.h"
#include "reports/ReportRoute.h"

#include <QTextStream>
#include <optional>

namespace pellam::cli {

// `pellam report ledger`, `recpay`, `summary`, `monthly` and `quarterly`: the report with the
// choices of its window, from the books already open on the shared
// connection, as text (byte for byte the preview's file), a PDF or a
// workbook. Wrong choices throw UsageError;
// a report with nothing to show or a file that cannot be written throws
// CommandFailure. The run tells `progress` how far it has come; whatever
// that throws (app::ReportCancelled) ends it with no file written.
class ReportCommand {
public:
    ReportCommand(const CommandLine& line, QTextStream& out, app::ReportProgress progress)
        : line_(line), out_(out), progress_(std::move(progress))
    {
    }
    void ledger(const QDate& yearStart, const QDate& yearEnd);
    void recpay(const QDate& yearStart, const QDate& yearEnd);
    void summary(const QDate& yearStart, const QDate& yearEnd);
    // The month defaults to `defaultMonth`; the statement has no workbook.
    void monthly(const QDate& yearStart, const QDate& yearEnd, int defaultMonth);
    // The quarter defaults to the one that holds `date`.
    void quarterly(const QDate& yearStart, const QDate& yearEnd, const QDate& date);

private:
    struct Output {
        QString format;   // text, pdf or xlsx
        QString file;     // empty: text on the terminal
    };
    // Refuses any option the report does not take, besides --date,
    // --shops, --format and --out, which every report takes.
    void allowOnly(const QString& report, const QStringList& options) const;
    // The chosen institutions, at least one.
    QList<qint64> chosenShops() const;
    // The period given, the year by default; never one that ends before it begins.
    std::pair<QDate, QDate> period(const QDate& yearStart, const QDate& yearEnd) const;
    // The choices both voucher reports share.
    void choose(app::ReportChoices& r, const QDate& yearStart, const QDate& yearEnd) const;
    // The cash account a statement shows: institution `shop`'s, or the
    // books' first; CommandFailure (NothingToReport) when the books name none.
    int statementCash(std::optional<int> shop) const;
    // `workbook`: whether the report has a spreadsheet route.
    Output output(const QString& report, bool workbook) const;
    // The report through the route the format names, into a whole file or
    // none; a PDF on the side of the paper the report prints along. A file
    // that cannot be written in full throws CommandFailure (CannotWrite)
    // naming it and why.
    void write(const Output& o, const app::ReportRoute& report);
    void writeFile(const Output& o, const app::ReportRoute& report);
    QList<qint64> shops() const;
    QList<int> heads() const;
    // A statement's phases, as stages of the run's progress.
    app::StatementStatus stages() const;

    const CommandLine& line_;
    QTextStream& out_;
    app::ReportProgress progress_;
};

} // namespace pellam::cli
