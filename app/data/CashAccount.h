#pragma once

#include "database/Connection.h"

#include <QString>
#include <optional>

namespace pellam::data {

// The ledger head that every voucher moves money to or from.
struct CashAccount {
    int accno = 0;
    QString code;
    QString name;           // trimmed; "CASH A/C" after the start-up check
    bool renamed = false;   // the stored name was something else and was corrected
};

// The books' cash account, as the books name it (CurCashAccount): the one
// named for institution `shop`, or the first named when no institution is
// given; nothing when the books name none. The one lookup of the cash account
// for every window, report and command.
std::optional<CashAccount> cashAccount(db::Connection& conn, std::optional<int> shop = std::nullopt);

} // namespace pellam::data
