#include "masters/InstitutionStore.h"

#include "errors/PellamError.h"

#include <set>

namespace pellam::masters {

namespace {

QVariantList fieldsOf(const Institution& i)
{
    return {i.shopName, i.place, i.post, i.pinCode, i.ledName, i.recName, i.qName, i.monName};
}

} // namespace

db::RecordSet InstitutionStore::list()
{
    return conn_.query(QStringLiteral("SELECT ShopId, shopName, Place, Post, PinCode,  Ledname, RecName, Qname, MonName "
                                      "FROM organization order by shopname "));
}

int InstitutionStore::nextFreeNumber()
{
    db::RecordSet rs = conn_.query(QStringLiteral("select shopid from organization order by shopid"));
    std::set<qint64> taken;
    for (; !rs.eof(); rs.MoveNext())
        taken.insert(rs.toInt(QStringLiteral("shopid")));
    int number = 1;
    while (taken.count(number))
        ++number;
    return number;
}

int InstitutionStore::add(const Institution& institution)
{
    db::Transaction transaction(conn_);
    // Chosen inside the transaction, so that a second program cannot take
    // the same number between choosing and storing.
    const int number = nextFreeNumber();
    conn_.execute(QStringLiteral("insert into organization (ShopId,shopName,Place, Post, PinCode, Ledname, RecName, "
                                 "Qname, MonName) values (?,?,?,?,?,?,?,?,?)"),
                  QVariantList{number} + fieldsOf(institution));
    // Openings left behind by an earlier institution of this number go first.
    conn_.execute(QStringLiteral("delete from accountopening where shopid=?"), {number});
    conn_.execute(QStringLiteral("INSERT INTO AccountOpening ( AccNo, ShopId, OpAmt, OpType ) "
                                 "SELECT ACCOUNT.AccNo, ? as expshop , 0 as expamt, 'C' AS extype FROM ACCOUNT"),
                  {number});
    transaction.commit();
    return number;
}

void InstitutionStore::update(const Institution& institution)
{
    const int changed = conn_.execute(QStringLiteral("update organization set shopName=?, Place=?, Post=?, PinCode=?, "
                                                     "Ledname=?, RecName=?, Qname=?, MonName=? where shopid=?"),
                                      fieldsOf(institution) + QVariantList{institution.shopId});
    // Deleted meanwhile by a second program: saying "saved" would be untrue.
    if (changed == 0)
        throw PellamError(db::NoCurrentRecord, QStringLiteral("The institution no longer exists"),
                          QStringLiteral("InstitutionStore"));
}

InstitutionDeleteGuard InstitutionStore::deleteGuard(int shopId)
{
    if (shopId == 1)
        return InstitutionDeleteGuard::Permanent;
    const QVariant amount = conn_.scalar(QStringLiteral("select sum(opamt) as amt from accountopening where shopid=?"), {shopId});
    if (!amount.isNull() && amount.toLongLong() > 0)
        return InstitutionDeleteGuard::OpeningExists;
    if (!conn_.scalar(QStringLiteral("select 1 from journal where shopid=? limit 1"), {shopId}).isNull())
        return InstitutionDeleteGuard::TransactionExists;
    return InstitutionDeleteGuard::None;
}

void InstitutionStore::remove(int shopId)
{
    db::Transaction transaction(conn_);
    conn_.execute(QStringLiteral("delete from organization where shopid=?"), {shopId});
    conn_.execute(QStringLiteral("delete from accountopening where shopid=?"), {shopId});
    // A later institution may get this number again; it must not inherit
    // this one's choice of heads.
    conn_.execute(QStringLiteral("delete from shopacc where Shopid=?"), {shopId});
    transaction.commit();
}

} // namespace pellam::masters
