#pragma once

#include "data/ImportMappings.h"
#include "data/VoucherEntry.h"

#include <QStringList>
#include <memory>
#include <optional>
#include <variant>

namespace pellam::data {

// How the rows of one kind of CSV file read as vouchers. A row gives the
// voucher's texts as the file has them; the import then finds institutions
// and heads by name and checks the voucher as voucher entry does.
class ImportLayout {
public:
    virtual ~ImportLayout() = default;
    // Takes `names` as the header row; the message that refuses it.
    virtual std::optional<QString> readHeader(const QStringList& names) = 0;
    // Whether rows that are not the header row may come before it (a
    // bank's account details above its statement).
    virtual bool headerMayFollowOtherRows() const = 0;
    // The voucher of a row after the header row, or why it gives none.
    virtual std::variant<VoucherTexts, QString> textsOf(const QStringList& fields) const = 0;
};

// A file of vouchers with a header row naming the columns date,
// institution, type, head, amount and, if wanted, narration and bill
// number, in any order and case.
class VoucherFileLayout : public ImportLayout {
public:
    std::optional<QString> readHeader(const QStringList& names) override;
    bool headerMayFollowOtherRows() const override { return false; }
    std::variant<VoucherTexts, QString> textsOf(const QStringList& fields) const override;

    static const QString kColumnList;

private:
    // The columns' places in a row, -1 for an optional one not given.
    int date_ = -1, institution_ = -1, type_ = -1, head_ = -1, amount_ = -1, narration_ = -1, bill_ = -1;
    int count_ = 0;
};

// A bank's statement read through a saved mapping: a credit is a receipt,
// a debit a payment, into the mapping's institution; the head comes from
// the first rule whose text the description holds, else from
// `defaultHead` when one is given.
class BankStatementLayout : public ImportLayout {
public:
    BankStatementLayout(ImportMapping mapping, QList<ImportRule> rules, QString defaultHead = {});

    std::optional<QString> readHeader(const QStringList& names) override;
    bool headerMayFollowOtherRows() const override { return true; }
    std::variant<VoucherTexts, QString> textsOf(const QStringList& fields) const override;

private:
    // An amount column's text as an amount, "" when the column is empty or
    // zero, or nothing when it is no number.
    static std::optional<QString> amountText(const QString& field);

    ImportMapping mapping_;
    QList<ImportRule> rules_;
    QString defaultHead_;
    int date_ = -1, credit_ = -1, debit_ = -1, narration_ = -1, bill_ = -1;
};

// The layout of the saved mapping `name` with its rules and, when given,
// `defaultHead` for rows no rule matches; or the message that refuses them
// (no such mapping, no such head, the cash account as the default head).
std::variant<std::unique_ptr<BankStatementLayout>, QString>
bankStatementLayout(db::Connection& conn, int cashAccNo, const QString& name, const QString& defaultHead);

// A column's name as a header row may spell it: any case, with or without
// blanks, underscores and points ("Bill No.", "bill_number").
QString plainColumnName(const QString& name);

} // namespace pellam::data
