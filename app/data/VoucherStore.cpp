#include "data/VoucherStore.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <QDeadlineTimer>
#include <QSet>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>

namespace pellam::data {

namespace {

// How long a save keeps trying while another program holds the books.
constexpr int kLockedSaveMs = 60000;
// The most page cache a long insert takes, in KiB.
constexpr qsizetype kLargestCacheKb = 32768;

QString isoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

} // namespace

QList<std::pair<qint64, QString>> VoucherStore::institutions()
{
    QList<std::pair<qint64, QString>> out;
    for (db::RecordSet rs = conn_.query(QStringLiteral("select shopid,shopname from organization")); !rs.eof();
         rs.MoveNext())
        out.append({rs.toInt(QStringLiteral("shopid")), rs.toString(QStringLiteral("shopname"))});
    return out;
}

bool VoucherStore::printAfterSave()
{
    const db::RecordSet rs = conn_.query(QStringLiteral("select * from initialize"));
    return !rs.eof() && rs.toInt(QStringLiteral("jouprndefa")) != 0;
}

qint64 VoucherStore::nextJournalNo()
{
    // The journal's key counts on from the largest number it ever gave,
    // kept in sqlite_sequence, so a deleted last voucher's number is not
    // given again; a larger number in the table itself wins, as it does for
    // the insert.
    return conn_
               .scalar(QStringLiteral("select max(coalesce((select seq from sqlite_sequence where name='journal' collate nocase), 0), "
                                      "coalesce((select max(jousrlno) from journal), 0)) + 1"))
               .toLongLong();
}

std::optional<StoredVoucher> VoucherStore::load(qint64 jouNo)
{
    const db::RecordSet rs = conn_.query(QStringLiteral("select * from journalview where jousrlno=?"), {jouNo});
    if (rs.eof())
        return std::nullopt;
    StoredVoucher v;
    v.jouNo = rs.toInt(QStringLiteral("jousrlno"));
    v.shopId = rs.toInt(QStringLiteral("shopid"));
    v.dbAccNo = int(rs.toInt(QStringLiteral("DbAccno")));
    v.dbAccCode = rs.toString(QStringLiteral("DbAccode"));
    v.dbAccName = rs.toString(QStringLiteral("dbAccname"));
    v.crAccNo = int(rs.toInt(QStringLiteral("CrAcCno")));
    v.crAccCode = rs.toString(QStringLiteral("CrAcCode"));
    v.crAccName = rs.toString(QStringLiteral("CrAccname"));
    v.date = rs.toDate(QStringLiteral("joudate"));
    v.amount = Currency::fromPaise(rs.toInt(QStringLiteral("amount")));
    v.narration = rs.toString(QStringLiteral("narration"));
    v.billNo = rs.toString(QStringLiteral("billno"));
    v.userId = rs.toString(QStringLiteral("userid"));
    return v;
}

template <typename Store>
auto VoucherStore::waitingForTheBooks(Store store)
{
    // The connection's busy wait can lose again and again to a program that
    // saves without pause. A save that found the books locked has written
    // nothing, so it tries again until its turn comes.
    const QDeadlineTimer deadline(kLockedSaveMs);
    for (;;) {
        try {
            return store();
        } catch (const PellamError& e) {
            if (e.Number() != db::DatabaseLocked || deadline.hasExpired())
                throw;
        }
        QThread::msleep(QRandomGenerator::global()->bounded(1, 20));
    }
}

qint64 VoucherStore::save(const Voucher& v, std::optional<qint64> jouNo, int head)
{
    return waitingForTheBooks([&] { return saveOnce(v, jouNo, head); });
}

JournalRange VoucherStore::insertAll(const QList<CheckedVoucher>& vouchers,
                                     const std::function<void(qsizetype stored)>& stored)
{
    return waitingForTheBooks([&] { return insertAllOnce(vouchers, stored); });
}

JournalRange VoucherStore::insertAllOnce(const QList<CheckedVoucher>& vouchers,
                                         const std::function<void(qsizetype)>& stored)
{
    // Many vouchers in one transaction touch the journal's indexes all over;
    // with the small default cache SQLite writes changed pages out again and
    // again before the commit. A larger one for the while keeps them.
    struct LargerCache {
        db::Connection& conn;
        QVariant before = conn.scalar(QStringLiteral("pragma cache_size"));
        LargerCache(db::Connection& c, qsizetype vouchers) : conn(c)
        {
            conn.execute(QStringLiteral("pragma cache_size=-%1").arg(std::clamp<qsizetype>(vouchers / 4, 2000, kLargestCacheKb)));
        }
        ~LargerCache()
        {
            try {
                conn.execute(QStringLiteral("pragma cache_size=%1").arg(before.toLongLong()));
            } catch (const PellamError&) {
                // A cache left larger costs memory only, and the books
                // are closed after an import.
            }
        }
    } cache(conn_, vouchers.size());
    db::Transaction transaction(conn_);
    JournalRange range;
    QSet<std::pair<qint64, int>> listed;
    qsizetype count = 0;
    for (const CheckedVoucher& checked : vouchers) {
        range.last = insert(checked.voucher);
        if (range.first == 0)
            range.first = range.last;
        // Each pair is looked up once, however many vouchers share it.
        const std::pair<qint64, int> pair{checked.voucher.shopId, checked.head};
        if (!listed.contains(pair)) {
            listHeadFor(pair.first, pair.second);
            listed.insert(pair);
        }
        if (stored && ++count % 1000 == 0)
            stored(count);
    }
    transaction.commit();
    return range;
}

qint64 VoucherStore::insert(const Voucher& v)
{
    conn_.execute(QStringLiteral("insert into journal (debitaccid,creditaccid,joudate,amount,narration,billno,"
                                 "userid,shopid) values(?,?,?,?,?,?,?,?)"),
                  {v.debit, v.credit, isoDate(v.date), qint64(v.amount.paise()), v.narration, v.billNo, v.userId,
                   v.shopId});
    return conn_.lastInsertId();
}

qint64 VoucherStore::saveOnce(const Voucher& v, std::optional<qint64> jouNo, int head)
{
    db::Transaction transaction(conn_);
    qint64 number = 0;
    if (jouNo) {
        const QVariantList params{v.debit,     v.credit, isoDate(v.date), qint64(v.amount.paise()),
                                  v.narration, v.billNo, v.userId,        v.shopId, *jouNo};
        const int changed = conn_.execute(QStringLiteral("update journal set debitaccid=?, creditaccid=?, joudate=?, "
                                                         "amount=?, narration=?, billno=?, userid=?, shopid=? "
                                                         "where jousrlno=?"),
                                          params);
        // Another program may have deleted it since it was loaded.
        if (changed == 0)
            throw PellamError(NoCurrentRecord, QStringLiteral("Invalid journal Number"), QStringLiteral("FrmJournal"));
        number = *jouNo;
    } else {
        number = insert(v);
    }
    listHeadFor(v.shopId, head);
    transaction.commit();
    return number;
}

void VoucherStore::listHeadFor(qint64 shopId, int head)
{
    const db::RecordSet rs =
        conn_.query(QStringLiteral("select * from shopacc where shopid=? and accno=?"), {shopId, head});
    if (rs.eof())
        conn_.execute(QStringLiteral("insert into shopacc(shopid,accno) values(?,?)"), {shopId, head});
}

void VoucherStore::remove(qint64 jouNo)
{
    conn_.execute(QStringLiteral("delete from journal where jousrlno=?"), {jouNo});
}

db::RecordSet VoucherStore::dayList(const QDate& date, int cashAccNo)
{
    // Amounts are whole paise; the list shows rupees with two decimals.
    return conn_.query(QStringLiteral("select jousrlno,iif(dbaccno=?,'R','P') as Type,"
                                      "iif(dbaccno=?,craccname,dbaccname) as Account,"
                                      "printf('%d.%02d',amount/100,amount%100) as Amount,Narration "
                                      "from journalview where joudate=? order by jousrlno"),
                       {cashAccNo, cashAccNo, isoDate(date)});
}

db::RecordSet VoucherStore::ledgerHeads(int cashAccNo)
{
    return conn_.query(
        QStringLiteral("select accno,acccode,accountname from account where accno<>? order by accountname"),
        {cashAccNo});
}

} // namespace pellam::data
