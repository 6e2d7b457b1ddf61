#include "reports/LedgerBuilder.h"

#include "data/ReportHeading.h"
#include "format/PrintableText.h"
#include "reports/SqlList.h"

#include <QHash>

namespace pellam::app {

namespace {

QHash<int, int> indexByAccNo(const QList<LedgerHead>& heads)
{
    QHash<int, int> index;
    for (int i = 0; i < heads.size(); ++i)
        index.insert(heads[i].accNo, i);
    return index;
}

} // namespace

LedgerDocument LedgerBuilder::build(const LedgerRequest& request)
{
    LedgerDocument doc;
    doc.request = request;
    const data::ReportHeading heading = data::reportHeading(conn_, 1, request.shops.size() == 1 ? int(request.shops.front()) : 0);
    doc.title = heading.title;
    doc.place = heading.place;
    const CountedShops shops(request.shops);
    const QString accounts = marks(request.heads.size());
    doc.heads = heads(request, shops, accounts);
    if (doc.heads.isEmpty())
        return doc;
    addOpenings(doc.heads, request, shops, accounts);
    doc.postings = postings(doc, shops);
    return doc;
}

QList<LedgerHead> LedgerBuilder::heads(const LedgerRequest& request, const CountedShops& shops, const QString& accounts)
{
    db::RecordSet rs = conn_.query(
        QStringLiteral("select accno, accountname from account"
                       " where accno not in (select accno from CurCashAccount)"
                       " and accno in (select accno from shopacc where shopid in (%1) and accno in (%2))"
                       " order by accountname, accno")
            .arg(shops.marks(), accounts),
        shops.values() + values(request.heads));
    QList<LedgerHead> heads;
    for (; !rs.eof(); rs.MoveNext()) {
        LedgerHead head;
        head.accNo = int(rs.toInt(QStringLiteral("accno")));
        head.name = printable(rs.toString(QStringLiteral("accountname")));
        heads << head;
    }
    return heads;
}

void LedgerBuilder::addOpenings(QList<LedgerHead>& heads, const LedgerRequest& request, const CountedShops& shops,
                                const QString& accounts)
{
    const QHash<int, int> index = indexByAccNo(heads);
    const QVariantList shopsThenHeads = shops.values() + values(request.heads);
    // One grouped query per source for all heads: the openings (a "C"
    // opening counts negative), then the vouchers before the period.
    const auto add = [&](const QString& sql, const QVariantList& params, int sign) {
        for (db::RecordSet rs = conn_.query(sql, params); !rs.eof(); rs.MoveNext()) {
            const auto it = index.constFind(int(rs.value(0).toLongLong()));
            if (it == index.constEnd() || rs.value(1).isNull())
                continue;
            const Currency amount = Currency::fromPaise(rs.value(1).toLongLong());
            heads[*it].opening += sign > 0 ? amount : -amount;
        }
    };
    add(QStringLiteral("select accno, sum(case when upper(optype) = 'C' then -opamt else opamt end)"
                       " from accountopening where shopid in (%1) and accno in (%2) group by accno")
            .arg(shops.marks(), accounts),
        shopsThenHeads, 1);
    const QVariantList before = QVariantList{iso(request.from)} + shopsThenHeads;
    add(QStringLiteral("select debitaccid, sum(amount) from journal"
                       " where joudate < ? and shopid in (%1) and debitaccid in (%2) group by debitaccid")
            .arg(shops.marks(), accounts),
        before, 1);
    add(QStringLiteral("select creditaccid, sum(amount) from journal"
                       " where joudate < ? and shopid in (%1) and creditaccid in (%2) group by creditaccid")
            .arg(shops.marks(), accounts),
        before, -1);
}

namespace {

// The columns of a posting, whichever way it is read: the place of the head
// it is under, whether it debits it, the voucher, and the head on the other
// side.
enum PostingColumn { Place, Debit, JouNo, Shop, Date, Amount, Narration, Bill, Other };

// Each row of `rs` to `each`, with the head's place among the heads.
void walkPostings(db::Cursor rs, const HeadNames& names, const std::function<void(int, LedgerVoucher&)>& each)
{
    LedgerVoucher v;
    for (; !rs.eof(); rs.MoveNext()) {
        v.debit = rs.toInt(Debit) != 0;
        v.date = rs.toDate(Date);
        v.jouNo = rs.toInt(JouNo);
        v.billNo = rs.isNull(Bill) ? QString() : printable(rs.toString(Bill));
        v.shopId = rs.toInt(Shop);
        v.amount = Currency::fromPaise(rs.toInt(Amount));
        v.narration = printable(rs.toString(Narration));
        v.otherName = names(rs.toInt(Other));
        each(int(rs.toInt(Place)), v);
    }
}

} // namespace

LedgerPostingWalk LedgerBuilder::postings(const LedgerDocument& doc, const CountedShops& shops)
{
    QVariantList heads;
    for (const LedgerHead& head : doc.heads)
        heads << head.accNo;
    const QVariantList period{iso(doc.request.from), iso(doc.request.to)};
    const auto narration = [&](const QString& table) {
        return shownColumn(doc.request.narration, table + QStringLiteral("narration"));
    };
    const auto bill = [&](const QString& table) {
        return shownColumn(doc.request.reference == ReportReference::BillNo, table + QStringLiteral("billno"));
    };
    // A voucher is under its debited head, and under its credited head too
    // unless that is the same one (a voucher on one head both sides is a
    // debit). Under each head by date.
    if (heads.size() <= headsReadOneByOne_) {
        // Each head through its own indexes: a few thousand rows a head.
        const QString sql = QStringLiteral("select ? as place, 1, jousrlno, shopid, joudate, amount, %2, %3,"
                                           " creditaccid from journal"
                                           " where debitaccid = ? and shopid in (%1) and joudate >= ? and joudate <= ?"
                                           " union all"
                                           " select ?, 0, jousrlno, shopid, joudate, amount, %2, %3,"
                                           " debitaccid from journal"
                                           " where creditaccid = ? and debitaccid <> creditaccid and shopid in (%1)"
                                           " and joudate >= ? and joudate <= ?"
                                           " order by joudate, jousrlno")
                                .arg(shops.marks(), narration(QString()), bill(QString()));
        return [&conn = conn_, sql, heads, period, shops = shops.values()](const auto& each) {
            const HeadNames names(conn);
            for (int i = 0; i < heads.size(); ++i) {
                const QVariantList side = QVariantList{i, heads[i]} + shops + period;
                walkPostings(conn.cursor(sql, side + side), names, each);
            }
        };
    }
    // Many heads: one pass along the date index over the period, each
    // voucher read once for both its sides, the postings then sorted by the
    // heads' places (a number sorts quicker than a name). The places are
    // numbers the books gave, written into the text so that no count of
    // heads meets the limit of bound values.
    QStringList places;
    for (int i = 0; i < heads.size(); ++i)
        places << QStringLiteral("(%1,%2)").arg(heads[i].toInt()).arg(i);
    const QString sql =
        QStringLiteral("with side(debit) as (values (1), (0)), place(accno, pos) as (values %2)"
                       " select p.pos, s.debit, j.jousrlno, j.shopid, j.joudate, j.amount, %3, %4,"
                       " case when s.debit then j.creditaccid else j.debitaccid end"
                       " from journal j cross join side s cross join place p"
                       " where j.joudate >= ? and j.joudate <= ? and +j.shopid in (%1)"
                       " and p.accno = case when s.debit then j.debitaccid else j.creditaccid end"
                       " and (s.debit or j.creditaccid <> j.debitaccid)"
                       " order by p.pos, j.joudate, j.jousrlno")
            .arg(shops.marks(), places.join(QLatin1Char(',')), narration(QStringLiteral("j.")),
                 bill(QStringLiteral("j.")));
    const QVariantList params = period + shops.values();
    return [&conn = conn_, sql, params](const auto& each) {
        const HeadNames names(conn);
        walkPostings(conn.cursor(sql, params), names, each);
    };
}

} // namespace pellam::app
