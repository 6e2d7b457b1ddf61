#include "data/StartupChecks.h"

#include "data/UnreadableVouchers.h"
#include "data/YearBooks.h"
#include "errors/PellamError.h"

#include <QDate>
#include <tuple>
#include <algorithm>

namespace pellam::data {

namespace {

const QString kSource = QStringLiteral("Pellam books");
// Without these the books cannot be worked with; an upgrade makes the rest.
const char* const kRequiredTables[] = {"account", "organization", "accountopening", "journal", "loginuser"};
// Books whose AccUptodate date lies before this day predate shopacc.
const QDate kCurrentSchemaDate(2006, 8, 25);

bool hasObject(db::Connection& conn, const QString& name)
{
    return conn.scalar(QStringLiteral("select count(*) from sqlite_master where type in ('table', 'view') "
                                      "and lower(name) = lower(?)"),
                       {name})
               .toLongLong() > 0;
}

QList<HeadInUse> pairsOf(db::RecordSet rs)
{
    QList<HeadInUse> pairs;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext())
        pairs << HeadInUse{int(rs.toInt(QStringLiteral("shopid"))), int(rs.toInt(QStringLiteral("accno")))};
    std::sort(pairs.begin(), pairs.end(),
              [](const HeadInUse& a, const HeadInUse& b) { return std::tie(a.shopid, a.accno) < std::tie(b.shopid, b.accno); });
    return pairs;
}

// Old books may have a shopacc without its key; duplicates go first.
void ensureShopaccKey(db::Connection& conn)
{
    db::RecordSet indexes = conn.query(QStringLiteral("select name from pragma_index_list('shopacc') where \"unique\" = 1"));
    for (; !indexes.eof(); indexes.MoveNext()) {
        const QVariant isKey = conn.scalar(
            QStringLiteral("select count(*) = 2 and sum(lower(name) in ('accno', 'shopid')) = 2 from pragma_index_info(?)"),
            {indexes.toString(QStringLiteral("name"))});
        if (isKey.toLongLong() == 1)
            return;
    }
    conn.execute(QStringLiteral("delete from shopacc where rowid not in (select min(rowid) from shopacc group by accno, Shopid)"));
    conn.execute(QStringLiteral("create unique index shopacc_key on shopacc(accno, Shopid)"));
}

// Books made before the cash account was named in PostSettings: take the
// head coded CASH.
void ensureCashSetting(db::Connection& conn)
{
    if (conn.scalar(QStringLiteral("select count(*) from PostSettings where SettingName = ?"), {kCashAccountSetting})
            .toLongLong() > 0)
        return;
    conn.execute(QStringLiteral("insert into PostSettings(SettingName, SettingValue) "
                                "select ?, accno from account where AccCode = ? order by accno limit 1"),
                 {kCashAccountSetting, kCashCode});
}

} // namespace

// A database without the ledger and the cash account's view is some other
// file, and one without a table the books cannot be worked without is no
// whole books: say so instead of failing on a missing table further on.
void requireYearBooks(db::Connection& conn, const QString& shownAs)
{
    const QString file = shownAs.isEmpty() ? conn.fileName() : shownAs;
    const QString notBooks = QStringLiteral("The file %1 does not hold the books of a financial year").arg(file);
    if (!hasObject(conn, QStringLiteral("account")) || !hasObject(conn, QStringLiteral("CurCashAccount")))
        throw PellamError(db::CannotOpen, notBooks + QLatin1Char('.'), kSource);
    for (const char* table : kRequiredTables)
        if (conn.scalar(QStringLiteral("select count(*) from sqlite_master where type = 'table' and lower(name) = lower(?)"),
                        {QLatin1String(table)})
                .toLongLong() == 0)
            throw PellamError(db::CannotOpen, notBooks + QStringLiteral(": it has no table %1.").arg(QLatin1String(table)),
                              kSource);
}

std::optional<CashAccount> verifyCashAccount(db::Connection& conn)
{
    requireYearBooks(conn);
    std::optional<CashAccount> cash = cashAccount(conn);
    if (!cash)
        return std::nullopt;
    if (cash->name != kCashName) {
        conn.execute(QStringLiteral("update account set AccountName = ? where accno = ?"), {kCashName, cash->accno});
        cash->name = kCashName;
        cash->renamed = true;
    }
    return cash;
}

SchemaVersion schemaVersion(db::Connection& conn)
{
    if (!hasObject(conn, QStringLiteral("AccUptodate")))
        return SchemaVersion::Missing;
    db::RecordSet rs = conn.query(QStringLiteral("select dtupdate from AccUptodate limit 1"));
    if (rs.RecordCount() == 0)
        return SchemaVersion::Missing;
    const QDate updated = rs.toDate(QStringLiteral("dtupdate"));
    return updated.isValid() && updated >= kCurrentSchemaDate ? SchemaVersion::Current : SchemaVersion::Old;
}

void upgradeDatabase(db::Connection& conn)
{
    db::Transaction transaction(conn);
    createSchema(conn);
    ensureShopaccKey(conn);
    ensureCashSetting(conn);
    conn.execute(QStringLiteral("delete from AccUptodate"));
    conn.execute(QStringLiteral("insert into AccUptodate(dtupdate) values(date())"));
    transaction.commit();
}

bool hasInstitutions(db::Connection& conn)
{
    return conn.scalar(QStringLiteral("select exists(select 1 from organization)")).toLongLong() != 0;
}

bool hasVouchersWithUnknownHeads(db::Connection& conn)
{
    return !vouchersWithUnknownHeads(conn).isEmpty();
}

QList<HeadInUse> repairHeadsInUse(db::Connection& conn, int cashAccNo)
{
    // Every head-institution pair not yet listed is looked up in the journal
    // by index: the cost follows heads times institutions, not vouchers.
    return pairsOf(conn.query(
        QStringLiteral("insert into shopacc(Shopid, accno) "
                       "select o.ShopId, a.accno from organization o cross join account a "
                       "where a.accno <> ? "
                       "  and not exists(select 1 from shopacc s where s.Shopid = o.ShopId and s.accno = a.accno) "
                       "  and (exists(select 1 from journal j where j.debitaccid = a.accno and j.shopid = o.ShopId) "
                       "    or exists(select 1 from journal j where j.creditaccid = a.accno and j.shopid = o.ShopId)) "
                       "returning Shopid as shopid, accno"),
        {cashAccNo}));
}

OpeningRepair repairOpenings(db::Connection& conn, int cashAccNo)
{
    const QString duplicates = QStringLiteral(
        "select accno, shopid from accountopening "
        "where accno in (select accno from account) and shopid in (select ShopId from organization) "
        "group by accno, shopid having count(*) > 1");
    OpeningRepair repair;
    db::Transaction transaction(conn);
    repair.replaced = pairsOf(conn.query(duplicates));
    if (!repair.replaced.isEmpty())
        conn.execute(QStringLiteral("delete from accountopening where (accno, shopid) in (%1)").arg(duplicates));
    const QList<HeadInUse> written = pairsOf(conn.query(
        QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) "
                       "select a.accno, o.ShopId, 0, 'C' from account a cross join organization o "
                       "where not exists(select 1 from accountopening p where p.accno = a.accno and p.shopid = o.ShopId) "
                       "returning shopid, accno")));
    transaction.commit();
    for (const HeadInUse& pair : written)
        if (!repair.replaced.contains(pair))
            repair.added << pair;
    repair.cashOpeningReset = std::any_of(repair.replaced.begin(), repair.replaced.end(),
                                          [&](const HeadInUse& p) { return p.accno == cashAccNo; });
    return repair;
}

} // namespace pellam::data
