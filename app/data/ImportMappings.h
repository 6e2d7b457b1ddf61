#pragma once

#include "database/Connection.h"

#include <QList>
#include <QString>
#include <optional>
#include <variant>

namespace pellam::data {

// How a bank's CSV export reads as vouchers: the bank's own column names,
// its date pattern (see DatePattern), and the institution every row goes
// to. A credit is a receipt, a debit a payment; the description is the
// narration, and the bill column (a cheque number, say) is optional.
struct ImportMapping {
    QString name;
    QString dateColumn;
    QString dateFormat;
    QString creditColumn;
    QString debitColumn;
    QString narrationColumn;
    QString billColumn;
    qint64 shopId = 0;
    friend bool operator==(const ImportMapping&, const ImportMapping&) = default;
};

// A rule of a mapping: a row whose description holds `contains` (without
// regard to case) goes to the head coded `headCode`.
struct ImportRule {
    qint64 number = 0;
    QString contains;
    QString headCode;
    friend bool operator==(const ImportRule&, const ImportRule&) = default;
};

// The mappings and rules kept in the books. Every change is checked first
// and refused with a message in `problem`; nothing is written then.
class ImportMappings {
public:
    explicit ImportMappings(db::Connection& conn) : conn_(conn) {}

    // Saves the mapping, replacing one of the same name (and, when `rules`
    // are given, its rules with them, in their order), all in one
    // transaction; the message that refuses it otherwise.
    std::optional<QString> save(const ImportMapping& mapping,
                                const std::optional<QList<ImportRule>>& rules = std::nullopt);
    std::optional<ImportMapping> find(const QString& name) const;
    QList<ImportMapping> all() const;
    // Removes the mapping and its rules; false when there was none.
    bool remove(const QString& name);

    // The new rule's number, or the message that refuses it.
    std::variant<qint64, QString> addRule(const QString& mapping, const QString& contains, const QString& headCode);
    // The mapping's rules, in the order they are tried.
    QList<ImportRule> rules(const QString& mapping) const;
    // False when the mapping has no rule of that number.
    bool removeRule(const QString& mapping, qint64 number);

    // The message for a mapping that is not in the books.
    static QString noMapping(const QString& name);

private:
    // The head code a rule stores (as the books spell it), or why the rule
    // is refused.
    std::variant<QString, QString> ruleHead(const QString& contains, const QString& headCode) const;
    void insertRule(const QString& mapping, const QString& contains, const QString& code);

    db::Connection& conn_;
};

} // namespace pellam::data
