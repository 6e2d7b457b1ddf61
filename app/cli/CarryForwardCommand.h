#pragma once

#include "cli/CommandLine.h"
#include "data/FinancialYear.h"
#include "database/Connection.h"

#include <QTextStream>

namespace pellam::cli {

// `pellam carry-forward check|update` on the new year's books open on
// `books` against the closing balances of the year before, read from
// `oldBooks`. check lists every carried head and institution whose opening
// differs and fails (exit 1) when any does; update writes those closings
// as the openings in one transaction.
class CarryForwardCommand {
public:
    CarryForwardCommand(const CommandLine& line, db::Connection& books, int cashAccNo, db::Connection& oldBooks,
                        const data::FinancialYear& year, QTextStream& out);
    void run();

private:
    const CommandLine& line_;
    db::Connection& books_;
    int cashAccNo_;
    db::Connection& oldBooks_;
    data::FinancialYear year_;
    QTextStream& out_;
};

} // namespace pellam::cli
