#pragma once

#include "data/ImportLayouts.h"
#include "data/VoucherEntry.h"
#include "database/Connection.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

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
    // The fields of the rows refused or left out, by line, to show them
    // (only when VoucherImport::keepRowsLeft asked for them).
    QHash<int, QStringList> rowsLeft;
    // The rows to store, in the file's order, and the line of each.
    QList<CheckedVoucher> vouchers;
    QList<int> lines;
    Currency receipts;
    Currency payments;
};

// "1 voucher", "1,00,000 vouchers".
QString countedText(qsizetype count, const char* one, const char* many);
// What a check found: "3 vouchers: receipts 1,512.00, payments 250.50",
// with "; 1 duplicate skipped" when rows were left out.
QString checkedSummary(const CheckedImport& checked);
// What an import stored: "Imported 3 vouchers (Jou. No. 51 to 53):
// receipts ..., payments ...; 1 duplicate skipped", or "Imported no
// vouchers; ..." when every row was left out.
QString importedSummary(const CheckedImport& checked, const JournalRange& range);

// How far a long import has come, in percent.
using ImportProgress = std::function<void(int percent)>;

// Vouchers from a CSV file whose rows an ImportLayout reads. Every row is
// checked as `voucher add` checks one, after finding an institution given
// by name and a head given by code or name (without regard to case).
// Heads, institutions and the stored vouchers are read once, so a long
// file costs no query per row.
class VoucherImport {
public:
    VoucherImport(db::Connection& conn, int cashAccNo, QDate yearStart, QDate yearEnd, QString userId);

    // `allowDuplicates` keeps the rows that match a stored voucher or an
    // earlier row. The bytes are let go once read, to keep a long file's
    // memory low. Without a layout the file is one of vouchers
    // (VoucherFileLayout).
    CheckedImport check(QByteArray bytes, bool allowDuplicates, ImportLayout* layout = nullptr,
                        const ImportProgress& progress = {});
    // Keeps the fields of the rows refused or left out in the check's
    // rowsLeft, for a window that shows them; a command that lists only
    // their lines does without.
    void keepRowsLeft(bool keep) { keepRowsLeft_ = keep; }
    // Stores the checked vouchers in one transaction.
    JournalRange store(const CheckedImport& checked, const ImportProgress& progress = {});

private:
    std::variant<CheckedVoucher, QString> checkRow(const ImportLayout& layout, const QStringList& fields) const;
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
    bool keepRowsLeft_ = false;
    // A stored voucher's number, or an earlier row's line below 0.
    QHash<DuplicateKey, qint64> seen_;
};

} // namespace pellam::data
