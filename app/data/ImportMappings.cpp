#include "data/ImportMappings.h"

#include "data/DatePattern.h"
#include "data/VoucherEntry.h"
#include "database/Cursor.h"

namespace pellam::data {

namespace {

ImportMapping mappingAt(const db::Cursor& row)
{
    return {row.toString(0), row.toString(1), row.toString(2), row.toString(3),
            row.toString(4), row.toString(5), row.toString(6), row.toInt(7)};
}

const QString kMappingColumns = QStringLiteral(
    "name, datecolumn, dateformat, creditcolumn, debitcolumn, narrationcolumn, billcolumn, shopid");

} // namespace

QString ImportMappings::noMapping(const QString& name)
{
    return QStringLiteral("There is no import mapping '%1'.").arg(name);
}

std::optional<QString> ImportMappings::save(const ImportMapping& m, const std::optional<QList<ImportRule>>& rules)
{
    if (m.name.trimmed().isEmpty())
        return QStringLiteral("The mapping needs a name.");
    const std::pair<const QString*, const char*> needed[] = {{&m.dateColumn, "date column"},
                                                             {&m.dateFormat, "date format"},
                                                             {&m.creditColumn, "credit column"},
                                                             {&m.debitColumn, "debit column"},
                                                             {&m.narrationColumn, "narration column"}};
    for (const auto& [text, name] : needed)
        if (text->trimmed().isEmpty())
            return QStringLiteral("The mapping needs its %1.").arg(QLatin1String(name));
    if (m.creditColumn.trimmed().compare(m.debitColumn.trimmed(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("The credit column and the debit column must be two columns.");
    if (!DatePattern::read(m.dateFormat))
        return QStringLiteral("The date format '%1' is not one the mapping reads: use d or dd, m, mm or mmm, and yy "
                              "or yyyy, once each (as dd/mm/yyyy or dd-mmm-yy).")
            .arg(m.dateFormat);
    if (conn_.scalar(QStringLiteral("select count(*) from organization where shopid = ?"), {m.shopId}).toLongLong() == 0)
        return QStringLiteral("There is no institution '%1'.").arg(m.shopId);
    QStringList codes;
    for (const ImportRule& rule : rules.value_or(QList<ImportRule>{})) {
        const auto head = ruleHead(rule.contains, rule.headCode);
        if (const QString* code = std::get_if<0>(&head))
            codes << *code;
        else
            return QStringLiteral("Rule %1: %2").arg(codes.size() + 1).arg(std::get<1>(head));
    }
    db::Transaction transaction(conn_);
    conn_.execute(QStringLiteral("delete from importmapping where name = ?"), {m.name.trimmed()});
    conn_.execute(QStringLiteral("insert into importmapping(%1) values(?, ?, ?, ?, ?, ?, ?, ?)").arg(kMappingColumns),
                  {m.name.trimmed(), m.dateColumn.trimmed(), DatePattern::read(m.dateFormat)->pattern(),
                   m.creditColumn.trimmed(), m.debitColumn.trimmed(), m.narrationColumn.trimmed(),
                   m.billColumn.trimmed(), m.shopId});
    if (rules) {
        conn_.execute(QStringLiteral("delete from importrule where mapping = ?"), {m.name.trimmed()});
        for (qsizetype i = 0; i < rules->size(); ++i)
            insertRule(m.name.trimmed(), rules->at(i).contains, codes[i]);
    }
    transaction.commit();
    return std::nullopt;
}

std::optional<ImportMapping> ImportMappings::find(const QString& name) const
{
    db::Cursor row =
        conn_.cursor(QStringLiteral("select %1 from importmapping where name = ?").arg(kMappingColumns), {name.trimmed()});
    if (row.eof())
        return std::nullopt;
    return mappingAt(row);
}

QList<ImportMapping> ImportMappings::all() const
{
    QList<ImportMapping> out;
    for (db::Cursor row = conn_.cursor(QStringLiteral("select %1 from importmapping order by name").arg(kMappingColumns));
         !row.eof(); row.MoveNext())
        out.append(mappingAt(row));
    return out;
}

bool ImportMappings::remove(const QString& name)
{
    db::Transaction transaction(conn_);
    conn_.execute(QStringLiteral("delete from importrule where mapping = ?"), {name.trimmed()});
    const bool removed = conn_.execute(QStringLiteral("delete from importmapping where name = ?"), {name.trimmed()}) > 0;
    transaction.commit();
    return removed;
}

std::variant<QString, QString> ImportMappings::ruleHead(const QString& contains, const QString& headCode) const
{
    using Answer = std::variant<QString, QString>;
    if (contains.trimmed().isEmpty())
        return Answer(std::in_place_index<1>, QStringLiteral("The rule needs a text to look for in the description."));
    const std::optional<int> head = headWithCode(conn_, headCode.trimmed());
    if (!head)
        return Answer(std::in_place_index<1>,
                      QStringLiteral("There is no ledger head with the code '%1'.").arg(headCode.trimmed()));
    const QVariant cash =
        conn_.scalar(QStringLiteral("select cast(SettingValue as integer) from PostSettings where SettingName = 'CashAccNo'"));
    if (!cash.isNull() && cash.toInt() == *head)
        return Answer(std::in_place_index<1>,
                      QStringLiteral("A rule cannot give the cash account: every voucher is already on it."));
    return Answer(std::in_place_index<0>,
                  conn_.scalar(QStringLiteral("select acccode from account where accno = ?"), {*head}).toString());
}

void ImportMappings::insertRule(const QString& mapping, const QString& contains, const QString& code)
{
    conn_.execute(QStringLiteral("insert into importrule(mapping, contains, acccode) values(?, ?, ?)"),
                  {mapping, contains.trimmed(), code});
}

std::variant<qint64, QString> ImportMappings::addRule(const QString& mapping, const QString& contains,
                                                      const QString& headCode)
{
    const std::optional<ImportMapping> m = find(mapping);
    if (!m)
        return noMapping(mapping);
    const auto head = ruleHead(contains, headCode);
    if (const QString* problem = std::get_if<1>(&head))
        return *problem;
    insertRule(m->name, contains, std::get<0>(head));
    return conn_.scalar(QStringLiteral("select last_insert_rowid()")).toLongLong();
}

QList<ImportRule> ImportMappings::rules(const QString& mapping) const
{
    QList<ImportRule> out;
    for (db::Cursor row = conn_.cursor(
             QStringLiteral("select ruleno, contains, acccode from importrule where mapping = ? order by ruleno"),
             {mapping.trimmed()});
         !row.eof(); row.MoveNext())
        out.append({row.toInt(0), row.toString(1), row.toString(2)});
    return out;
}

bool ImportMappings::removeRule(const QString& mapping, qint64 number)
{
    return conn_.execute(QStringLiteral("delete from importrule where mapping = ? and ruleno = ?"),
                         {mapping.trimmed(), number}) > 0;
}

} // namespace pellam::data
