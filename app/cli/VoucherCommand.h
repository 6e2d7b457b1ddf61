#pragma once

#include "cli/CommandLine.h"
#include "data/FinancialYear.h"
#include "data/VoucherEntry.h"
#include "database/Connection.h"

#include <QTextStream>

namespace pellam::cli {

// `pellam voucher add|show|edit|delete|list` on the books already open on
// `conn`: vouchers stored through the voucher window's checks and store, so
// that one added here is the one the window would have saved. A refused
// voucher throws CommandFailure (Failed) with the window's message and
// stores nothing; a wrong call throws UsageError.
class VoucherCommand {
public:
    VoucherCommand(const CommandLine& line, db::Connection& conn, int cashAccNo, const data::FinancialYear& year,
                   QTextStream& out);
    void run();

private:
    void add();
    void show();
    void edit();
    void remove();
    void list();

    // Refuses any option the action does not take.
    void allowOnly(const QStringList& options) const;
    // `texts` with the fields the options give in place of its own.
    data::VoucherTexts given(data::VoucherTexts texts) const;
    // Checks and stores; the stored number.
    qint64 store(const data::VoucherTexts& texts, std::optional<qint64> number);
    // The voucher named on the line, which must exist.
    data::StoredVoucher named() const;
    // Refuses a voucher the books are locked over.
    void refuseLocked(const data::StoredVoucher& stored) const;
    QString shopName(qint64 shopId) const;

    const CommandLine& line_;
    db::Connection& conn_;
    data::FinancialYear year_;
    data::VoucherEntry entry_;
    int cashAccNo_;
    QTextStream& out_;
};

} // namespace pellam::cli
