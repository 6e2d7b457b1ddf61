#pragma once

#include "data/VoucherEntry.h"
#include "database/Connection.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace pellam::data {

// A line of the file and what is said about it.
struct LineNote {
    int line = 0;
    QString message;
    friend bool operator==(const LineNote&, const LineNote&) = default;
};

// A CSV file of vouchers, checked whole before anything is stored.
struct CheckedImport {
    // Rows refused, with the message voucher entry gives, by line. Any of
    // them refuses the whole file.
    QList<LineNote> errors;
    // Rows already in the books or earlier in the file, left out.
    QList<LineNote> duplicates;
    // The rows to store, in the file's order.
    QList<CheckedVoucher> vouchers;
    Currency receipts;
    Currency payments;
};

// Vouchers from a CSV file with a header row naming the columns date,
// institution, type, head, amount and, if wanted, narration and bill
// number, in any order and case. Every row is checked as `voucher add`
// checks one, after reading the forms a file brings: a date as dd/mm/yyyy,
// d/m/yy or yyyy-mm-dd; an institution by number or name; R, Receipt, P or
// Payment; a head by code or name. Heads, institutions and the stored
// vouchers are read once, so a long file costs no query per row.
class VoucherImport {
public:
    VoucherImport(db::Connection& conn, int cashAccNo, QDate yearStart, QDate yearEnd, QString userId);

    // `allowDuplicates` keeps the rows that match a stored voucher or an
    // earlier row.
    // The bytes are let go once read, to keep a long file's memory low.
    CheckedImport check(QByteArray bytes, bool allowDuplicates);
    // Stores the checked vouchers in one transaction.
    JournalRange store(const CheckedImport& checked);

private:
    // The columns' places in a row, -1 for an optional one not given.
    struct Columns {
        int date = -1, institution = -1, type = -1, head = -1, amount = -1, narration = -1, bill = -1;
        int count = 0;
    };
    std::optional<QString> readHeader(const QStringList& names, Columns& columns) const;
    std::variant<CheckedVoucher, QString> checkRow(const QStringList& fields, const Columns& columns) const;
    void rememberBooks();
    // What makes two vouchers the same for the duplicate rule; the bill
    // number shares the voucher's text.
    struct DuplicateKey {
        qint64 shopId;
        qint64 signedPaise;   // payments below 0
        qint32 day;           // Julian day
        qint32 head;
        QString billNo;
        friend bool operator==(const DuplicateKey&, const DuplicateKey&) = default;
        friend size_t qHash(const DuplicateKey& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.shopId, key.signedPaise, key.day, key.head, key.billNo);
        }
    };
    DuplicateKey duplicateKey(const Voucher& voucher, int head) const;

    db::Connection& conn_;
    int cashAccNo_;
    QString userId_;
    VoucherEntry entry_;
    QHash<QString, QString> headCodes_;      // lower-case code or name -> code
    QHash<QString, qint64> institutions_;    // lower-case name -> number
    // A stored voucher's number, or an earlier row's line below 0.
    QHash<DuplicateKey, qint64> seen_;
};

} // namespace pellam::data
