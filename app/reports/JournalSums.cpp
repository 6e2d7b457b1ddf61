#include "reports/JournalSums.h"

#include "format/PrintableText.h"
#include "reports/SqlList.h"

namespace pellam::app {

namespace {

// A voucher's month number, read from the stored date without a function
// call per row.
const QString kMonth = QStringLiteral("cast(substr(joudate, 6, 2) as integer)");

} // namespace

DateBucket DateBucket::month(int month)
{
    return {kMonth + QStringLiteral(" = ?"), {month}};
}

DateBucket DateBucket::monthsBefore(int month)
{
    if (month > 3)
        return {QStringLiteral("(%1 > 3 and %1 < ?)").arg(kMonth), {month}};
    return {QStringLiteral("(%1 > 3 or %1 < ?)").arg(kMonth), {month}};
}

DateBucket DateBucket::between(const QDate& from, const QDate& to)
{
    return {QStringLiteral("(joudate >= ? and joudate <= ?)"), {iso(from), iso(to)}};
}

DateBucket DateBucket::before(const QDate& date)
{
    return {QStringLiteral("joudate < ?"), {iso(date)}};
}

JournalSums::JournalSums(db::Connection& conn, const QList<qint64>& shops, const QList<DateBucket>& buckets)
    : debits_(read(conn, "debitaccid", shops, buckets)), credits_(read(conn, "creditaccid", shops, buckets))
{
}

JournalSums::Sums JournalSums::read(db::Connection& conn, const char* side, const QList<qint64>& shops,
                                    const QList<DateBucket>& buckets)
{
    // The side's own index holds the account, institution, date and amount
    // in account order, so the query reads it alone and groups without
    // sorting; "+shopid" keeps the planner from the institution index.
    const CountedShops counted(shops);
    QString columns;
    QVariantList params;
    for (const DateBucket& b : buckets) {
        columns += QStringLiteral(", sum(case when %1 then amount end)").arg(b.sql);
        params += b.params;
    }
    const QString sql = QStringLiteral("select %1%2 from journal where +shopid in (%3) group by %1")
                            .arg(QString::fromLatin1(side), columns, counted.marks());
    Sums sums;
    for (db::RecordSet rs = conn.query(sql, params + counted.values()); !rs.eof(); rs.MoveNext()) {
        std::vector<qint64>& row = sums[rs.value(0).toInt()];
        row.reserve(buckets.size());
        for (int b = 0; b < buckets.size(); ++b)
            row.push_back(rs.value(b + 1).toLongLong()); // a null sum counts 0
    }
    return sums;
}

Currency JournalSums::figure(const Sums& sums, int accno, int bucket) const
{
    const auto it = sums.constFind(accno);
    return Currency::fromPaise(it == sums.constEnd() ? 0 : it->at(size_t(bucket)));
}

QList<StatementHead> statementHeads(db::Connection& conn, const QList<qint64>& shops)
{
    const CountedShops counted(shops);
    QList<StatementHead> heads;
    db::RecordSet rs = conn.query(QStringLiteral("select accno, accountname from account"
                                                 " where accno not in (select accno from CurCashAccount)"
                                                 " and accno in (select accno from shopacc where shopid in (%1))"
                                                 " order by accountname")
                                      .arg(counted.marks()),
                                  counted.values());
    for (; !rs.eof(); rs.MoveNext())
        heads << StatementHead{rs.value(0).toInt(), printable(rs.value(1).toString())};
    return heads;
}

Currency cashOpening(db::Connection& conn, int cashAccNo, const QList<qint64>& shops)
{
    const CountedShops counted(shops);
    return Currency::fromPaise(
        conn.scalar(QStringLiteral("select sum(case when upper(optype) = 'C' then -opamt else opamt end)"
                                   " from accountopening where accno = ? and shopid in (%1) and opamt is not null")
                        .arg(counted.marks()),
                    QVariantList{cashAccNo} + counted.values())
            .toLongLong());
}

} // namespace pellam::app
