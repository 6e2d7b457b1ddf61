#include "data/CarriedBalances.h"

#include "data/BookSettings.h"
#include "database/Cursor.h"
#include "format/IndianNumberFormat.h"

#include <QFileInfo>

#include <QCryptographicHash>
#include <QHash>
#include <algorithm>

namespace pellam::data {

namespace {

const QString kClosed = QStringLiteral("CarriedAtClosing");
const QString kTold = QStringLiteral("CarriedTold");

// The heads as a list for an "in (...)" of numbers: numbers only, so
// nothing of the books' texts reaches the statement.
QString numberList(const QSet<int>& heads)
{
    QList<int> sorted(heads.begin(), heads.end());
    std::sort(sorted.begin(), sorted.end());
    QStringList numbers;
    for (const int accno : sorted)
        numbers << QString::number(accno);
    return numbers.isEmpty() ? QStringLiteral("null") : numbers.join(QLatin1Char(','));
}

QList<HeadBalance> balances(db::Connection& books, const QString& sql, const QVariantList& params)
{
    QList<HeadBalance> out;
    for (db::Cursor row = books.cursor(sql, params); !row.eof(); row.MoveNext())
        out.append({int(row.toInt(0)), row.toInt(1), row.toInt(2)});
    return out;
}

const QString kSignedOpening = QStringLiteral(
    "coalesce((select sum(case when upper(p.optype) = 'D' then p.opamt else -p.opamt end) from accountopening p "
    "where p.accno = h.accno and p.shopid = o.ShopId), 0)");

} // namespace

bool BalanceHeads::isMarked(int accno) const
{
    return !conn_.scalar(QStringLiteral("select 1 from balancehead where accno = ?"), {accno}).isNull();
}

void BalanceHeads::mark(int accno, bool carry)
{
    conn_.execute(carry ? QStringLiteral("insert or ignore into balancehead(accno) values(?)")
                        : QStringLiteral("delete from balancehead where accno = ?"),
                  {accno});
}

QSet<int> BalanceHeads::carried(int cashAccNo) const
{
    QSet<int> heads{cashAccNo};
    for (db::Cursor row = conn_.cursor(QStringLiteral("select accno from balancehead")); !row.eof(); row.MoveNext())
        heads.insert(int(row.toInt(0)));
    return heads;
}

std::pair<qint64, QString> openingOf(qint64 paise)
{
    return {paise < 0 ? -paise : paise, paise < 0 ? QStringLiteral("C") : QStringLiteral("D")};
}

QList<HeadBalance> closingBalances(db::Connection& books, const QSet<int>& heads, const FinancialYear& year)
{
    // The head indexes hold head, institution, date and amount, so each sum
    // is read from an index alone.
    const QString sql = QStringLiteral(
        "select h.accno, o.ShopId, %1"
        " + coalesce((select sum(j.amount) from journal j where j.debitaccid = h.accno and j.shopid = o.ShopId"
        "             and j.joudate between ? and ?), 0)"
        " - coalesce((select sum(j.amount) from journal j where j.creditaccid = h.accno and j.shopid = o.ShopId"
        "             and j.joudate between ? and ?), 0)"
        " from account h, organization o where h.accno in (%2) order by h.accno, o.ShopId");
    const QString from = year.start.toString(Qt::ISODate);
    const QString to = year.end.toString(Qt::ISODate);
    return balances(books, sql.arg(kSignedOpening, numberList(heads)), {from, to, from, to});
}

QList<HeadBalance> openingBalances(db::Connection& books, const QSet<int>& heads)
{
    return balances(books,
                    QStringLiteral("select h.accno, o.ShopId, %1 from account h, organization o where h.accno in (%2) "
                                   "order by h.accno, o.ShopId")
                        .arg(kSignedOpening, numberList(heads)),
                    {});
}

void writeOpenings(db::Connection& books, const QList<HeadBalance>& balances)
{
    for (const HeadBalance& b : balances) {
        const auto [amount, type] = openingOf(b.paise);
        books.execute(QStringLiteral("delete from accountopening where accno = ? and shopid = ?"), {b.accno, b.shopId});
        books.execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(?, ?, ?, ?)"),
                      {b.accno, b.shopId, amount, type});
    }
}

CarryForwardCheck::CarryForwardCheck(db::Connection& newBooks, int cashAccNo, db::Connection& oldBooks,
                                     FinancialYear oldYear)
    : newBooks_(newBooks), cashAccNo_(cashAccNo), oldBooks_(oldBooks), oldYear_(oldYear)
{
}

QList<CarryDifference> CarryForwardCheck::differences() const
{
    const QSet<int> heads = BalanceHeads(newBooks_).carried(cashAccNo_);
    QHash<std::pair<int, qint64>, qint64> closings;
    for (const HeadBalance& b : closingBalances(oldBooks_, heads, oldYear_))
        closings.insert({b.accno, b.shopId}, b.paise);
    QList<CarryDifference> out;
    for (db::Cursor row = newBooks_.cursor(
             QStringLiteral("select h.accno, h.acccode, h.accountname, o.ShopId, o.shopName, %1 from account h, "
                            "organization o where h.accno in (%2) order by h.acccode, h.accno, o.ShopId")
                 .arg(kSignedOpening, numberList(heads)));
         !row.eof(); row.MoveNext()) {
        const int accno = int(row.toInt(0));
        const qint64 shopId = row.toInt(3);
        const qint64 opening = row.toInt(5);
        // A head or an institution new this year has no closing to carry.
        const auto closing = closings.constFind({accno, shopId});
        if (closing == closings.constEnd() || *closing == opening)
            continue;
        out.append({accno, row.toString(1), row.toString(2), shopId, row.toString(4), opening, *closing});
    }
    return out;
}

void CarryForwardCheck::update(const QList<CarryDifference>& differences)
{
    QList<HeadBalance> balances;
    for (const CarryDifference& d : differences)
        balances.append({d.accno, d.shopId, d.closing});
    db::Transaction transaction(newBooks_);
    writeOpenings(newBooks_, balances);
    rememberClosing(newBooks_, {});
    transaction.commit();
}

QByteArray CarryForwardCheck::digest(const QList<CarryDifference>& differences)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const CarryDifference& d : differences)
        hash.addData(QStringLiteral("%1:%2:%3:%4;").arg(d.accno).arg(d.shopId).arg(d.opening).arg(d.closing).toUtf8());
    return hash.result().toHex();
}

void CarryForwardCheck::rememberClosing(db::Connection& newBooks, const QList<CarryDifference>& differences)
{
    const QByteArray closed = digest(differences);
    for (const QString& name : {kClosed, kTold})
        BookSettings(newBooks).set(name, QString::fromLatin1(closed));
}

std::optional<QString> CarryForwardCheck::changedSinceClosing()
{
    const BookSettings settings(newBooks_);
    const std::optional<QString> closed = settings.value(kClosed);
    // Books closed before the closing kept this, or made by hand, have
    // nothing to compare with.
    if (!closed)
        return std::nullopt;
    const QList<CarryDifference> now = differences();
    const QString seen = QString::fromLatin1(digest(now));
    if (seen == *closed || seen == settings.value(kTold))
        return std::nullopt;
    BookSettings(newBooks_).set(kTold, seen);
    return QStringLiteral("The books of %1 changed after the closing: %2 (Utilities > Check Carried Balances).")
        .arg(oldYear_.label(), differingBalances(now.size()));
}

QString balanceText(qint64 paise)
{
    const auto [amount, type] = openingOf(paise);
    return formatIndianAmount(Currency::fromPaise(amount), 0) + QLatin1Char(' ') + type;
}

std::optional<QString> previousYearBooks(const QString& dataFolder, const FinancialYear& year)
{
    const QString file = yearDatabasePath(dataFolder, FinancialYear::beginningIn(year.start.year() - 1));
    if (!QFileInfo::exists(file))
        return std::nullopt;
    return file;
}

QString differingBalances(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 carried balance differs")
                      : QStringLiteral("%1 carried balances differ").arg(count);
}

std::optional<QString> carriedBalancesNotice(db::Connection& books, int cashAccNo, const QString& dataFolder,
                                             const FinancialYear& year)
{
    // Books no closing of this program made have nothing to compare with:
    // the year before is not opened for them.
    if (!BookSettings(books).value(kClosed))
        return std::nullopt;
    const std::optional<QString> file = previousYearBooks(dataFolder, year);
    if (!file)
        return std::nullopt;
    db::Connection old;
    old.Open(*file, true, 5000, true);
    return CarryForwardCheck(books, cashAccNo, old, FinancialYear::beginningIn(year.start.year() - 1))
        .changedSinceClosing();
}

} // namespace pellam::data
