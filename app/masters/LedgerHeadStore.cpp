#include "masters/LedgerHeadStore.h"

#include "data/BooksLock.h"
#include "data/CarriedBalances.h"
#include "data/CashAccount.h"
#include "errors/PellamError.h"

namespace pellam::masters {

db::RecordSet LedgerHeadStore::list()
{
    return conn_.query(QStringLiteral("select * from account order by accountname"));
}

std::vector<Opening> LedgerHeadStore::openingsOf(int accno)
{
    // Every institution, joined to this head's opening only: a join through
    // the openings of all heads would leave out an institution that has
    // openings for other heads but none for this one.
    db::RecordSet rs = conn_.query(QStringLiteral("select o.ShopId as shopid, o.shopName as shopname, p.opamt as opamt, "
                                                  "p.optype as optype from organization o left join accountopening p "
                                                  "on p.shopid = o.ShopId and p.accno = ? order by o.shopName, o.ShopId"),
                                   {accno});
    std::vector<Opening> out;
    for (; !rs.eof(); rs.MoveNext()) {
        Opening o;
        o.shopId = int(rs.toInt(QStringLiteral("shopid")));
        o.shopName = rs.toString(QStringLiteral("shopname"));
        o.amount = Currency::fromPaise(rs.toInt(QStringLiteral("opamt")));
        o.type = rs.isNull(QStringLiteral("optype")) ? QStringLiteral("C") : rs.toString(QStringLiteral("optype"));
        out.push_back(o);
    }
    return out;
}

std::vector<Opening> LedgerHeadStore::newHeadOpenings()
{
    db::RecordSet rs = conn_.query(QStringLiteral("select shopid,shopname from organization order by shopname"));
    std::vector<Opening> out;
    for (; !rs.eof(); rs.MoveNext())
        out.push_back({int(rs.toInt(QStringLiteral("shopid"))), rs.toString(QStringLiteral("shopname")), Currency(),
                       QStringLiteral("D")});
    return out;
}

bool LedgerHeadStore::codeTaken(const QString& code, int exceptAccno)
{
    return !conn_.scalar(QStringLiteral("select 1 from account where acccode=? and accno<>? limit 1"),
                         {code.trimmed(), exceptAccno})
                .isNull();
}

int LedgerHeadStore::cashAccountNo()
{
    const std::optional<data::CashAccount> cash = data::cashAccount(conn_);
    return cash ? cash->accno : 0;
}

void LedgerHeadStore::save(LedgerHead& head, const std::vector<Opening>& openings)
{
    db::Transaction transaction(conn_);
    int accno = head.accno;
    if (accno == 0) {
        conn_.execute(QStringLiteral("insert into account( [AccCode],[AccountName], [Remarks]) values (?,?,?)"),
                      {head.code, head.name, head.remarks});
        accno = int(conn_.lastInsertId());
    } else if (accno != cashAccountNo()) {
        // A head deleted meanwhile (by a second program) must not get openings.
        if (conn_.execute(QStringLiteral("update account set [AccCode]=?,[AccountName]=?, [Remarks]=? where accno=?"),
                          {head.code, head.name, head.remarks, accno}) == 0)
            throw PellamError(db::NoCurrentRecord, QStringLiteral("The ledger head no longer exists"),
                              QStringLiteral("LedgerHeadStore"));
    }
    if (accno != cashAccountNo())
        data::BalanceHeads(conn_).mark(accno, head.carryForward);
    // While the books are locked a head's openings stay as they are; a new
    // head still gets its rows.
    if (head.accno == 0 || !data::BooksLock(conn_).openingsRefusal()) {
        conn_.execute(QStringLiteral("delete from accountopening where  accno=?"), {accno});
        for (const Opening& o : openings)
            conn_.execute(QStringLiteral("insert into accountopening (accno,shopid,opamt,optype) values (?,?,?,?)"),
                          {accno, o.shopId, qint64(o.amount.paise()), o.type});
    }
    transaction.commit();
    head.accno = accno;
}

HeadDeleteGuard LedgerHeadStore::deleteGuard(int accno)
{
    if (accno == cashAccountNo())
        return HeadDeleteGuard::CashAccount;
    if (!conn_.scalar(QStringLiteral("select 1 from journal where (debitaccid=? or creditaccid=?) limit 1"), {accno, accno})
             .isNull())
        return HeadDeleteGuard::TransactionExists;
    return HeadDeleteGuard::None;
}

void LedgerHeadStore::remove(int accno)
{
    db::Transaction transaction(conn_);
    conn_.execute(QStringLiteral("delete from account where accno=?"), {accno});
    conn_.execute(QStringLiteral("delete from accountopening where accno=?"), {accno});
    conn_.execute(QStringLiteral("delete from shopacc where accno=?"), {accno});
    data::BalanceHeads(conn_).mark(accno, false);
    transaction.commit();
}

std::vector<ListedHead> LedgerHeadStore::listedHeads()
{
    db::RecordSet rs = conn_.query(QStringLiteral("select a.acccode, a.accountname, a.accno = ? or b.accno is not null "
                                                  "as carried from account a left join balancehead b on b.accno = a.accno "
                                                  "order by a.accountname"),
                                   {cashAccountNo()});
    std::vector<ListedHead> out;
    out.reserve(size_t(rs.RecordCount()));
    for (; !rs.eof(); rs.MoveNext())
        out.push_back({rs.toString(QStringLiteral("acccode")), rs.toString(QStringLiteral("accountname")),
                       rs.toInt(QStringLiteral("carried")) != 0});
    return out;
}

bool LedgerHeadStore::carriesForward(int accno)
{
    return accno == cashAccountNo() || data::BalanceHeads(conn_).isMarked(accno);
}

} // namespace pellam::masters
