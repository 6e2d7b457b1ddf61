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
    addVouchers(doc.heads, request, shops, accounts);
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
    for (LedgerHead& head : heads) {
        if (head.opening > Currency())
            head.debitTotal = head.opening;
        else
            head.creditTotal = head.opening.abs();
    }
}

void LedgerBuilder::addVouchers(QList<LedgerHead>& heads, const LedgerRequest& request, const CountedShops& shops,
                                const QString& accounts)
{
    const QHash<int, int> index = indexByAccNo(heads);
    TextPool shared;
    const QString sql =
        QStringLiteral("select jousrlno, shopid, joudate, amount, narration, billno, dbaccno, craccno,"
                       " dbaccname, craccname from journalview"
                       " where (dbaccno in (%2) or craccno in (%2)) and joudate >= ? and joudate <= ?"
                       " and +shopid in (%1) order by joudate, jousrlno")
            .arg(shops.marks(), accounts);
    // The institutions are checked row by row ("+shopid"), so that the rows
    // come by the date index already in order, or by the heads' indexes
    // when few heads are chosen.
    eachMonth(request.from, request.to, [&](const QDate& start, const QDate& end) {
        db::RecordSet rs = conn_.query(sql, values(request.heads) + values(request.heads) +
                                                QVariantList{iso(start), iso(end)} + shops.values());
        // Columns by position: the names are looked up once, not per row.
        enum { JouNo, Shop, Date, Amount, Narration, Bill, DebitSide, CreditSide, DebitName, CreditName };
        for (; !rs.eof(); rs.MoveNext()) {
            const int debitSide = rs.value(DebitSide).toInt();
            const int creditSide = rs.value(CreditSide).toInt();
            LedgerVoucher v;
            v.date = QDate::fromString(rs.value(Date).toString(), Qt::ISODate);
            v.jouNo = rs.value(JouNo).toLongLong();
            const QVariant bill = rs.value(Bill);
            v.billNo = bill.isNull() ? QString() : shared(bill.toString());
            v.shopId = rs.value(Shop).toLongLong();
            v.amount = Currency::fromPaise(rs.value(Amount).toLongLong());
            v.narration = shared(rs.value(Narration).toString());
            // Under the debited head; and under the credited head too unless
            // it is the same one (a voucher on one head both sides is a debit).
            const auto post = [&](int accNo, bool debit, int otherName) {
                const auto it = index.constFind(accNo);
                if (it == index.constEnd())
                    return;
                LedgerHead& head = heads[*it];
                LedgerVoucher line = v;
                line.debit = debit;
                line.otherName = shared(rs.value(otherName).toString());
                line.serial = int(head.vouchers.size()) + 1;
                (debit ? head.debitTotal : head.creditTotal) += line.amount;
                head.vouchers << std::move(line);
            };
            post(debitSide, true, CreditName);
            if (creditSide != debitSide)
                post(creditSide, false, DebitName);
        }
    });
}

} // namespace pellam::app
