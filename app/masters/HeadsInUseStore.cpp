#include "masters/HeadsInUseStore.h"

#include <QSet>

namespace pellam::masters {

QList<LedgerHead> HeadsInUseStore::heads(const QString& sql, const QVariantList& params)
{
    QList<LedgerHead> out;
    for (db::RecordSet rs = conn_.query(sql, params); !rs.eof(); rs.MoveNext())
        out.append(headFromRow(rs));
    return out;
}

InstitutionHeads HeadsInUseStore::load(qint64 shopId)
{
    InstitutionHeads result;
    result.inUse = heads(QStringLiteral("select accno,acccode,accountname from account "
                                        "where accno in (select accno from shopacc where shopid=?) order by accountname"),
                         {shopId});
    if (result.inUse.isEmpty()) {
        result.inUse = heads(QStringLiteral("select accno,acccode,accountname from account "
                                            "where (accno in (select distinct debitaccid from journal where shopid=?)) "
                                            "or (accno in (select distinct creditaccid from journal where shopid=?)) "
                                            "order by accountname"),
                             {shopId, shopId});
        result.fromVouchers = !result.inUse.isEmpty();
    }
    QSet<qint64> ticked;
    for (const LedgerHead& head : std::as_const(result.inUse))
        ticked.insert(head.accno);
    const QList<LedgerHead> all = heads(QStringLiteral("select accno,acccode,accountname from account order by accountname"), {});
    for (const LedgerHead& head : all)
        if (!ticked.contains(head.accno))
            result.others.append(head);
    return result;
}

void HeadsInUseStore::save(qint64 shopId, const QList<qint64>& accnos)
{
    db::Transaction transaction(conn_);
    conn_.execute(QStringLiteral("delete from shopacc where shopid=?"), {shopId});
    for (qint64 accno : accnos)
        conn_.execute(QStringLiteral("insert into shopacc(shopid,accno) values(?,?)"), {shopId, accno});
    transaction.commit();
}

QString headLine(const LedgerHead& head)
{
    return head.code.trimmed().leftJustified(10, QLatin1Char(' ')) + QStringLiteral(" | ") + head.name;
}

} // namespace pellam::masters
