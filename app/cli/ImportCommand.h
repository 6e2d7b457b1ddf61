#pragma once

#include "cli/CommandLine.h"
#include "data/FinancialYear.h"
#include "database/Connection.h"

#include <QTextStream>

namespace pellam::cli {

// `pellam import vouchers FILE` on the books already open on `conn`: every
// row of the file checked as `voucher add` checks one, then all stored in
// one transaction, or none. Refused rows go to `err` as FILE:LINE:
// message and throw CommandFailure (Failed); rows already in the books are
// listed on `out` and left out, as is the summary.
class ImportCommand {
public:
    ImportCommand(const CommandLine& line, db::Connection& conn, int cashAccNo, const data::FinancialYear& year,
                  QTextStream& out, QTextStream& err);
    void run();

private:
    const CommandLine& line_;
    db::Connection& conn_;
    int cashAccNo_;
    data::FinancialYear year_;
    QTextStream& out_;
    QTextStream& err_;
};

} // namespace pellam::cli
