#include "core/AppState.h"

namespace pellam::app {

void AppState::rememberCashAccount(const data::CashAccount& cash)
{
    CashAccNo = cash.accno;
    CashAccCode = cash.code;
    CashAccName = cash.name;
}

AppState& state()
{
    static AppState s;
    return s;
}

} // namespace pellam::app
