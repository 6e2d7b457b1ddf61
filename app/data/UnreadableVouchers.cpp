#include "data/UnreadableVouchers.h"

#include "data/StartupChecks.h"
#include "errors/PellamError.h"

namespace pellam::data {

namespace {

const QString kSource = QStringLiteral("Pellam books");
// Numbers named per fault; a message with thousands of them helps nobody.
constexpr int kShown = 10;

// `name`(v): the distinct values of a journal column, walked through an
// index that leads with it, one seek per value however many vouchers share
// it. Nulls are not among them.
QString distinctValues(const char* name, const char* column)
{
    return QStringLiteral("%1(v) as (select min(%2) from journal union all "
                          "select (select min(%2) from journal where %2 > %1.v) from %1 where %1.v is not null)")
        .arg(QLatin1String(name), QLatin1String(column));
}

// The numbers of the vouchers `rows` selects (a query of jousrlno, after
// the common table expressions `with`): their count and the lowest few.
VoucherNumbers numbersOf(db::Connection& conn, const QString& with, const QString& rows,
                         const QVariantList& params = {})
{
    VoucherNumbers numbers;
    db::RecordSet rs = conn.query(with + QStringLiteral(" select jousrlno, count(*) over () as total from (") + rows +
                                      QStringLiteral(") order by jousrlno limit %1").arg(kShown),
                                  params);
    for (; !rs.eof(); rs.MoveNext()) {
        numbers.count = rs.toInt(QStringLiteral("total"));
        numbers.first << rs.toInt(QStringLiteral("jousrlno"));
    }
    return numbers;
}

// Vouchers whose `column` is null or one of the values of the walk `walk`
// that `isBad` (an expression of v) finds wrong.
QString rowsWith(const char* column, const char* walk, const char* isBad)
{
    return QStringLiteral("select jousrlno from journal where %1 is null union "
                          "select jousrlno from journal where %1 in (select v from %2 where v is not null and %3)")
        .arg(QLatin1String(column), QLatin1String(walk), QLatin1String(isBad));
}

VoucherNumbers badDates(db::Connection& conn, const FinancialYear& year)
{
    // Only a real day written YYYY-MM-DD reads back the same through its day
    // number; as text, such days of the year lie between its first and last.
    return numbersOf(conn, QStringLiteral("with recursive ") + distinctValues("d", "joudate"),
                     rowsWith("joudate", "d", "(date(julianday(v)) is not v or v < ? or v > ?)"),
                     {year.start.toString(Qt::ISODate), year.end.toString(Qt::ISODate)});
}

VoucherNumbers badAmounts(db::Connection& conn)
{
    return numbersOf(conn, QString(), QStringLiteral("select jousrlno from journal where typeof(amount) <> 'integer'"));
}

// Institution 0 holds what the voucher window saved before the books had any
// institution; every report counts it.
VoucherNumbers unknownInstitutions(db::Connection& conn)
{
    return numbersOf(conn, QStringLiteral("with recursive ") + distinctValues("s", "shopid"),
                     rowsWith("shopid", "s", "v is not 0 and not exists(select 1 from organization where ShopId = v)"));
}

QString numberList(const VoucherNumbers& numbers)
{
    QStringList items;
    for (qint64 number : numbers.first)
        items << QString::number(number);
    QString text = items.join(QStringLiteral(", "));
    if (numbers.count > numbers.first.size())
        text += QStringLiteral(" and %1 more").arg(numbers.count - numbers.first.size());
    return (numbers.count == 1 ? QStringLiteral("Journal number ") : QStringLiteral("Journal numbers ")) + text;
}

} // namespace

bool UnreadableVouchers::isEmpty() const
{
    return badDate.isEmpty() && badAmount.isEmpty() && unknownHead.isEmpty() && unknownInstitution.isEmpty();
}

QString UnreadableVouchers::message() const
{
    QString text = QStringLiteral("Some vouchers cannot be read; no report is made until they are corrected.");
    const std::pair<const VoucherNumbers*, QString> faults[] = {
        {&badDate, QStringLiteral("the date is not a day of the financial year %1").arg(year.label())},
        {&badAmount, QStringLiteral("the amount is not a whole number of paise")},
        {&unknownHead, QStringLiteral("a ledger head is not in the books")},
        {&unknownInstitution, QStringLiteral("the institution is not in the books")},
    };
    for (const auto& [numbers, fault] : faults)
        if (!numbers->isEmpty())
            text += QLatin1Char(' ') + numberList(*numbers) + QStringLiteral(": ") + fault + QLatin1Char('.');
    return text;
}

VoucherNumbers vouchersWithUnknownHeads(db::Connection& conn)
{
    const char* const unknown = "not exists(select 1 from account where accno = v)";
    return numbersOf(conn,
                     QStringLiteral("with recursive ") + distinctValues("d", "debitaccid") + QStringLiteral(", ") +
                         distinctValues("c", "creditaccid"),
                     rowsWith("debitaccid", "d", unknown) + QStringLiteral(" union ") +
                         rowsWith("creditaccid", "c", unknown));
}

UnreadableVouchers findUnreadableVouchers(db::Connection& conn, const FinancialYear& year)
{
    UnreadableVouchers found;
    found.year = year;
    found.badDate = badDates(conn, year);
    found.badAmount = badAmounts(conn);
    found.unknownHead = vouchersWithUnknownHeads(conn);
    found.unknownInstitution = unknownInstitutions(conn);
    return found;
}

void requireReadableBooks(db::Connection& conn, const FinancialYear& year)
{
    requireYearBooks(conn);
    const UnreadableVouchers found = findUnreadableVouchers(conn, year);
    if (!found.isEmpty())
        throw PellamError(InvalidDataEntries, found.message(), kSource);
}

} // namespace pellam::data
