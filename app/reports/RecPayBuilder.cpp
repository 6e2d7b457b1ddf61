#include "reports/RecPayBuilder.h"

#include "data/CashAccount.h"
#include "data/ReportHeading.h"
#include "reports/SqlList.h"

namespace pellam::app {

RecPayDocument RecPayBuilder::build(const ReportChoices& request)
{
    RecPayDocument doc;
    doc.request = request;
    const data::ReportHeading heading = data::reportHeading(conn_, 2, request.shops.isEmpty() ? 0 : int(request.shops.front()));
    doc.title = heading.title;
    doc.place = heading.place;
    // The cash account of the books, whether or not it has an opening in
    // the chosen institutions; 0 (no vouchers) in books without one.
    const std::optional<data::CashAccount> cash = data::cashAccount(conn_);
    doc.cashAccNo = cash ? cash->accno : 0;
    const CountedShops shops(request.shops);
    doc.opening = opening(doc, shops);
    doc.vouchers = vouchers(doc, shops);
    return doc;
}

Currency RecPayBuilder::opening(const RecPayDocument& doc, const CountedShops& shops)
{
    const QVariantList cashThenShops = QVariantList{doc.cashAccNo} + shops.values();
    const QVariantList before = QVariantList{iso(doc.request.from)} + cashThenShops;
    const auto paise = [&](const QString& sql, const QVariantList& params) {
        return conn_.scalar(sql.arg(shops.marks()), params).toLongLong();
    };
    // A "D" opening is cash in hand; any other counts against it.
    const qint64 openings =
        paise(QStringLiteral("select sum(case when upper(optype) = 'D' then opamt else -opamt end)"
                             " from accountopening where accno = ? and shopid in (%1)"),
              cashThenShops);
    const qint64 in = paise(QStringLiteral("select sum(amount) from journal"
                                           " where joudate < ? and debitaccid = ? and shopid in (%1)"),
                            before);
    const qint64 out = paise(QStringLiteral("select sum(amount) from journal"
                                            " where joudate < ? and creditaccid = ? and shopid in (%1)"),
                             before);
    return Currency::fromPaise(openings + in - out);
}

RecPayVoucherWalk RecPayBuilder::vouchers(const RecPayDocument& doc, const CountedShops& shops)
{
    // Every voucher moves cash in most books, so one pass along the date
    // index over the period is quicker than the heads' indexes: the other
    // columns are checked row by row ("+"), the rows come in order.
    const ReportChoices& r = doc.request;
    const QString sql = QStringLiteral("select jousrlno, shopid, joudate, amount, %2, %3, debitaccid,"
                                       " creditaccid from journal"
                                       " where joudate >= ? and joudate <= ? and (+debitaccid = ? or +creditaccid = ?)"
                                       " and +shopid in (%1) order by joudate, jousrlno")
                            .arg(shops.marks(), shownColumn(r.narration, QStringLiteral("narration")),
                                 shownColumn(r.reference == ReportReference::BillNo, QStringLiteral("billno")));
    const QVariantList params =
        QVariantList{iso(doc.request.from), iso(doc.request.to), doc.cashAccNo, doc.cashAccNo} + shops.values();
    return [&conn = conn_, sql, params, cash = doc.cashAccNo](const std::function<void(RecPayVoucher&)>& each) {
        const HeadNames names(conn);
        enum { JouNo, Shop, Date, Amount, Narration, Bill, DebitSide, CreditSide };
        RecPayVoucher v;
        for (db::Cursor rs = conn.cursor(sql, params); !rs.eof(); rs.MoveNext()) {
            // Cash on both sides counts as a receipt, as the debit comes first.
            v.receipt = rs.toInt(DebitSide) == cash;
            v.date = rs.toDate(Date);
            v.jouNo = rs.toInt(JouNo);
            v.billNo = rs.isNull(Bill) ? QString() : printable(rs.toString(Bill));
            v.shopId = rs.toInt(Shop);
            v.accountName = names(rs.toInt(v.receipt ? CreditSide : DebitSide));
            v.amount = Currency::fromPaise(rs.toInt(Amount));
            v.narration = printable(rs.toString(Narration));
            each(v);
        }
    };
}

} // namespace pellam::app
