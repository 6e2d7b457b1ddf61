#include "data/CashAccount.h"

namespace pellam::data {

std::optional<CashAccount> cashAccount(db::Connection& conn, std::optional<int> shop)
{
    const QString columns = QStringLiteral("select accno, acccode, accountname from CurCashAccount");
    db::RecordSet rs = shop ? conn.query(columns + QStringLiteral(" where shopid = ?"), {*shop}) : conn.query(columns);
    if (rs.eof())
        return std::nullopt;
    CashAccount cash;
    cash.accno = int(rs.toInt(QStringLiteral("accno")));
    cash.code = rs.toString(QStringLiteral("acccode"));
    cash.name = rs.toString(QStringLiteral("accountname")).trimmed();
    return cash;
}

} // namespace pellam::data
