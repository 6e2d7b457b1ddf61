#pragma once

#include "data/VoucherStore.h"
#include "database/Connection.h"

#include <QDate>
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

// A voucher that passed every check, ready for VoucherStore::save.
struct CheckedVoucher {
    Voucher voucher;
    int head = 0;   // the head that is not the cash account
};

// The voucher window's checks on a voucher given as texts, with the
// window's messages (without their leading blanks), and what the window's
// boxes and lists refuse before a save: texts with control characters, a
// head or an institution the books do not have, a bill number longer than
// its box. Texts are stored as given.
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

    // The longest bill number the window's box takes.
    static constexpr int kBillLength = 7;

private:
    std::optional<QString> institutionProblem(const QString& shop) const;

    db::Connection& conn_;
    int cashAccNo_;
    QDate yearStart_;
    QDate yearEnd_;
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
