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
    if (doc.opening > Currency())
        doc.receipts = doc.opening;
    else
        doc.payments = doc.opening.abs();
    addVouchers(doc, shops);
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

void RecPayBuilder::addVouchers(RecPayDocument& doc, const CountedShops& shops)
{
    TextPool shared;
    // The institutions are checked row by row ("+shopid"), so that the rows
    // come by the date index already in order.
    const QString sql =
        QStringLiteral("select jousrlno, shopid, joudate, amount, narration, billno, dbaccno,"
                       " dbaccname, craccname from journalview"
                       " where (dbaccno = ? or craccno = ?) and joudate >= ? and joudate <= ?"
                       " and +shopid in (%1) order by joudate, jousrlno")
            .arg(shops.marks());
    eachMonth(doc.request.from, doc.request.to, [&](const QDate& start, const QDate& end) {
        db::RecordSet rs = conn_.query(sql, QVariantList{doc.cashAccNo, doc.cashAccNo, iso(start), iso(end)} +
                                                shops.values());
        enum { JouNo, Shop, Date, Amount, Narration, Bill, DebitSide, DebitName, CreditName };
        for (; !rs.eof(); rs.MoveNext()) {
            RecPayVoucher v;
            // Cash on both sides counts as a receipt, as the debit comes first.
            v.receipt = rs.value(DebitSide).toInt() == doc.cashAccNo;
            v.date = QDate::fromString(rs.value(Date).toString(), Qt::ISODate);
            v.jouNo = rs.value(JouNo).toLongLong();
            const QVariant bill = rs.value(Bill);
            v.billNo = bill.isNull() ? QString() : shared(bill.toString());
            v.shopId = rs.value(Shop).toLongLong();
            v.accountName = shared(rs.value(v.receipt ? CreditName : DebitName).toString());
            v.amount = Currency::fromPaise(rs.value(Amount).toLongLong());
            v.narration = shared(rs.value(Narration).toString());
            v.serial = int(doc.vouchers.size()) + 1;
            (v.receipt ? doc.receipts : doc.payments) += v.amount;
            doc.vouchers << std::move(v);
        }
    });
}

} // namespace pellam::app
