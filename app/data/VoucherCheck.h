#pragma once

#include "types/Currency.h"

#include <QDate>
#include <QString>
#include <optional>

namespace pellam::data {

// What the voucher window holds when the user saves.
struct VoucherFields {
    QString dateText;
    QString chosenAccount;   // the chosen head's number, empty for none
    QString amountText;
    bool editMode = false;
    QString jouNoText;
};

// A field that stops the save: its message and the box that gets the focus.
struct FieldProblem {
    enum class Field { Date, Account, Amount, JouNo };
    Field field;
    QString message;
    friend bool operator==(const FieldProblem&, const FieldProblem&) = default;
};

// The checks before a voucher is stored, in the order the user meets them.
// Amounts are read exactly: the number at the start of the box ("12abc" is
// 12, "" and "." are 0), never through a floating-point value. An amount
// must be above 0 and one the printed voucher can spell in words.
class VoucherCheck {
public:
    // The first problem, or nothing when the voucher may be stored.
    static std::optional<FieldProblem> check(const VoucherFields& fields, const QDate& yearStart,
                                             const QDate& yearEnd);
    // The amount box's value; 0 when it holds no number.
    static Currency amountOf(const QString& text);
    // The journal number box's value; 0 when it holds no number.
    static qint64 numberOf(const QString& text);
    // Whether a box holds exactly `number`, blanks aside: "13" but not "13A".
    static bool isNumber(const QString& text, qint64 number);
    // The date is not in the year: the message, and the bound the box gets.
    static std::optional<std::pair<QString, QDate>> outsideYear(const QDate& date, const QDate& yearStart,
                                                                const QDate& yearEnd);
};

} // namespace pellam::data
