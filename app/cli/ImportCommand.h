#pragma once

#include "cli/CommandLine.h"
#include "data/FinancialYear.h"
#include "data/Rights.h"
#include "data/ImportLayouts.h"
#include "database/Connection.h"

#include <QTextStream>
#include <memory>

namespace pellam::cli {

// `pellam import` on the books already open on `conn`:
// - `vouchers FILE`: every row of the file checked as `voucher add` checks
//   one, then all stored in one transaction, or none. Refused rows go to
//   `err` as FILE:LINE: message and throw CommandFailure (Failed); rows
//   already in the books are listed on `out` and left out, as is the
//   summary. With --mapping the file is a bank's statement.
// - `mapping save|list|show|delete` and `rule add|list|delete`: the saved
//   mappings of bank statements and the rules that give their rows heads.
class ImportCommand {
public:
    ImportCommand(const CommandLine& line, db::Connection& conn, int cashAccNo, const data::FinancialYear& year,
                  QTextStream& out, QTextStream& err);
    // Throws UsageError for words or options the action does not take,
    // before any books are opened.
    static void checkUsage(const CommandLine& line);
    // What the command does to the books: lists and shows only read them.
    static data::Action action(const CommandLine& line);
    void run();

private:
    void importVouchers();
    void mapping();
    void rule();
    // The layout of --mapping, with its rules; nothing without the option.
    std::unique_ptr<data::ImportLayout> bankLayout() const;

    const CommandLine& line_;
    db::Connection& conn_;
    int cashAccNo_;
    data::FinancialYear year_;
    QTextStream& out_;
    QTextStream& err_;
};

} // namespace pellam::cli
