#include "masters/AccountsListQuery.h"

namespace pellam::masters {

QList<LedgerHead> AccountsListQuery::heads()
{
    QList<LedgerHead> out;
    db::RecordSet rs = conn_.query(QStringLiteral("select accno,acccode,accountname from account "
                                                  "where accno not in (select accno from CurCashAccount) "
                                                  "order by accountname"));
    for (; !rs.eof(); rs.MoveNext())
        out.append(headFromRow(rs));
    return out;
}

QHash<qint64, HeadTotals> AccountsListQuery::totals()
{
    // Grouped by the head of each side, so that both sums come from the two
    // head indexes in their own order, without sorting the vouchers.
    QHash<qint64, HeadTotals> out;
    db::RecordSet rs = conn_.query(QStringLiteral("select 'D' as side, debitaccid as accno, sum(amount) as total "
                                                  "from journal group by debitaccid "
                                                  "union all "
                                                  "select 'C', creditaccid, sum(amount) from journal group by creditaccid"));
    for (; !rs.eof(); rs.MoveNext()) {
        HeadTotals& head = out[rs.toInt(QStringLiteral("accno"))];
        const Currency total = Currency::fromPaise(rs.toInt(QStringLiteral("total")));
        (rs.toString(QStringLiteral("side")) == QLatin1String("D") ? head.debit : head.credit) = total;
    }
    return out;
}

QList<HeadVoucher> AccountsListQuery::vouchersOf(qint64 accno)
{
    QList<HeadVoucher> out;
    db::RecordSet rs = conn_.query(QStringLiteral("select jousrlno, joudate, amount, dbaccno, dbaccname, craccname "
                                                  "from journalview where dbaccno=? or craccno=? "
                                                  "order by joudate, jousrlno"),
                                   {accno, accno});
    out.reserve(rs.RecordCount());
    for (; !rs.eof(); rs.MoveNext()) {
        HeadVoucher v;
        v.jousrlno = rs.toInt(QStringLiteral("jousrlno"));
        v.date = rs.toDate(QStringLiteral("joudate"));
        const Currency amount = Currency::fromPaise(rs.toInt(QStringLiteral("amount")));
        if (rs.toInt(QStringLiteral("dbaccno")) == accno) {
            v.otherSide = rs.toString(QStringLiteral("craccname"));
            v.credit = amount;
        } else {
            v.otherSide = rs.toString(QStringLiteral("dbaccname"));
            v.debit = amount;
        }
        out.append(v);
    }
    return out;
}

} // namespace pellam::masters
