#pragma once

#include "cli/CommandLine.h"

#include <QTextStream>

namespace pellam::cli {

// `pellam report ledger`: the ledger with the choices of its window, from
// the books already open on the shared connection, as text (byte for byte
// the preview's file), a PDF or a workbook. Wrong choices throw UsageError;
// an empty selection or a file that cannot be written throws PellamError.
class ReportCommand {
public:
    ReportCommand(const CommandLine& line, QTextStream& out) : line_(line), out_(out) {}
    void ledger(const QDate& yearStart, const QDate& yearEnd);

private:
    QList<qint64> shops() const;
    QList<int> heads() const;

    const CommandLine& line_;
    QTextStream& out_;
};

} // namespace pellam::cli
