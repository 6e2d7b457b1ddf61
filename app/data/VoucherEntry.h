#pragma once

#include "data/VoucherStore.h"
#include "database/Connection.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <optional>
#include <variant>

namespace pellam::data {

// One voucher as texts, as a command line or a row of a file gives it.
struct VoucherTexts {
    QString date;        // dd/mm/yyyy
    QString shop;        // the institution's number
    bool receipt = false;
    QString head;        // the other head's code
    QString amount;
    QString narration;
    QString billNo;
};

// The voucher window's checks on a voucher given as texts, with the
// window's messages (without their leading blanks), and what the window's
// boxes and lists refuse before a save: texts with control characters, a
// head or an institution the books do not have, a bill number longer than
// its box, a date the books are locked up to. Texts are stored as given.
class VoucherEntry {
public:
    VoucherEntry(db::Connection& conn, int cashAccNo, QDate yearStart, QDate yearEnd)
        : conn_(conn), cashAccNo_(cashAccNo), yearStart_(yearStart), yearEnd_(yearEnd)
    {
    }

    // The voucher ready to store for `userId`, or the message that refuses it.
    std::variant<CheckedVoucher, QString> check(const VoucherTexts& texts, const QString& userId) const;
    // A stored voucher as check() takes it back, so that an edit can change
    // some of its fields and check the whole again.
    VoucherTexts textsOf(const StoredVoucher& voucher) const;

    // Reads the books' heads and institutions once, so that check() looks
    // them up in memory: for many vouchers checked against books that do
    // not change meanwhile.
    void rememberBooks();

    // The longest bill number the window's box takes.
    static constexpr int kBillLength = 7;

private:
    std::optional<QString> institutionProblem(const QString& shop) const;
    std::optional<int> headOf(const QString& code) const;
    bool institutionExists(qint64 shopId) const;

    db::Connection& conn_;
    int cashAccNo_;
    QDate yearStart_;
    QDate yearEnd_;
    // Filled by rememberBooks(): heads by code in lower case (the first by
    // number, as headWithCode finds it), and the institutions' numbers.
    std::optional<QHash<QString, int>> headsByCode_;
    std::optional<QSet<qint64>> institutions_;
    // The lock date as rememberBooks() read it (itself nothing when the
    // books are not locked).
    std::optional<std::optional<QDate>> lockedUntil_;
};

// A narration or bill number as the window's boxes type it: in capitals.
// Texts given from outside the window go through it before check().
QString typedAsTheWindow(const QString& text);

// The ledger head whose code is `code`, without regard to case.
std::optional<int> headWithCode(db::Connection& conn, const QString& code);

// The user a voucher records: `given` as the books spell it, else (given
// empty) the books' first user, else MERION; nothing when `given` is no
// user of the books.
std::optional<QString> voucherUser(db::Connection& conn, const QString& given);

} // namespace pellam::data
