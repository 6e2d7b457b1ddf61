#pragma once

#include "database/Connection.h"
#include "types/Currency.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace pellam::data {

// One receipt or payment as it is written to the journal. The type is not
// stored: a receipt is a voucher whose debit side is the cash account.
struct Voucher {
    qint64 shopId = 0;
    int debit = 0;
    int credit = 0;
    QDate date;
    Currency amount;       // stored as whole paise
    QString narration;
    QString billNo;
    QString userId;
};

// A voucher that passed every check, ready for VoucherStore::save.
struct CheckedVoucher {
    Voucher voucher;
    int head = 0;   // the head that is not the cash account
};

// The numbers the journal gave to vouchers stored together.
struct JournalRange {
    qint64 first = 0;
    qint64 last = 0;
};

// A voucher read back with the names of both heads.
struct StoredVoucher {
    qint64 jouNo = 0;
    qint64 shopId = 0;
    int dbAccNo = 0;
    QString dbAccCode;
    QString dbAccName;
    int crAccNo = 0;
    QString crAccCode;
    QString crAccName;
    QDate date;
    Currency amount;
    QString narration;
    QString billNo;
    QString userId;
};

// The journal of the year's books as the voucher window needs it. Every
// value goes into its statement as a bound parameter, so any text the user
// typed is stored as typed. Failures throw PellamError.
class VoucherStore {
public:
    explicit VoucherStore(db::Connection& conn) : conn_(conn) {}

    // Institutions (number, name) in the order the books give them.
    QList<std::pair<qint64, QString>> institutions();
    // Whether every save ends with the offer to print the voucher.
    bool printAfterSave();
    // The number the next insert will get, as the journal's key sequence
    // gives it (a deleted last number is not given again). A forecast only:
    // another program may save first, and save() returns the number stored.
    qint64 nextJournalNo();
    std::optional<StoredVoucher> load(qint64 jouNo);
    // Inserts a voucher (no number) or rewrites voucher `jouNo`, and lists
    // `head` for the institution, all in one transaction: the voucher is
    // stored whole or not at all. While another program holds the books it
    // waits its turn (up to a minute). Returns the voucher's number.
    // Rewriting a number that is not in the books throws and changes nothing.
    qint64 save(const Voucher& voucher, std::optional<qint64> jouNo, int head);
    // Inserts every voucher and lists each head for its institution in one
    // transaction, as save() stores one: all are stored or none. Waits for
    // the books as save() does. Nothing to store gives the range {0, 0}.
    // `stored` hears how many are stored, now and then.
    JournalRange insertAll(const QList<CheckedVoucher>& vouchers, const std::function<void(qsizetype stored)>& stored = {});
    void remove(qint64 jouNo);
    // The vouchers of one day: number, "R" or "P", the other head, amount,
    // narration.
    db::RecordSet dayList(const QDate& date, int cashAccNo);
    // Every ledger head but the cash account, by name: accno, acccode,
    // accountname.
    db::RecordSet ledgerHeads(int cashAccNo);

private:
    qint64 saveOnce(const Voucher& voucher, std::optional<qint64> jouNo, int head);
    JournalRange insertAllOnce(const QList<CheckedVoucher>& vouchers, const std::function<void(qsizetype)>& stored);
    // `store` tried again while another program holds the books.
    template <typename Store>
    auto waitingForTheBooks(Store store);
    qint64 insert(const Voucher& voucher);
    void listHeadFor(qint64 shopId, int head);

    db::Connection& conn_;
};

} // namespace pellam::data
