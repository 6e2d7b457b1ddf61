#include "data/ImportLayouts.h"

#include "data/DatePattern.h"
#include "format/DateText.h"
#include "types/Currency.h"

namespace pellam::data {

QString plainColumnName(const QString& name)
{
    QString plain;
    for (const QChar c : name.trimmed())
        if (c != u' ' && c != u'_' && c != u'.')
            plain += c.toLower();
    return plain;
}

namespace {

QString fieldCountProblem(qsizetype fields, qsizetype header)
{
    return QStringLiteral("The row has %1 fields where the header row has %2.").arg(fields).arg(header);
}

} // namespace

const QString VoucherFileLayout::kColumnList =
    QStringLiteral("date, institution, type, head, amount, narration, bill number");

std::optional<QString> VoucherFileLayout::readHeader(const QStringList& names)
{
    const std::pair<const char*, int*> known[] = {
        {"date", &date_},           {"institution", &institution_}, {"shop", &institution_},
        {"type", &type_},           {"head", &head_},               {"amount", &amount_},
        {"narration", &narration_}, {"bill", &bill_},               {"billno", &bill_},
        {"billnumber", &bill_}};
    for (int i = 0; i < names.size(); ++i) {
        const QString name = plainColumnName(names[i]);
        int* column = nullptr;
        for (const auto& [spelling, place] : known)
            if (name == QLatin1String(spelling))
                column = place;
        if (!column)
            return QStringLiteral("The header row has a column '%1' that is not one of: %2.")
                .arg(names[i].trimmed(), kColumnList);
        if (*column >= 0)
            return QStringLiteral("The header row names the column '%1' twice.").arg(names[i].trimmed());
        *column = i;
    }
    const std::pair<const char*, int> needed[] = {
        {"date", date_}, {"institution", institution_}, {"type", type_}, {"head", head_}, {"amount", amount_}};
    for (const auto& [name, place] : needed)
        if (place < 0)
            return QStringLiteral("The header row has no column '%1' (the columns: %2).")
                .arg(QLatin1String(name), kColumnList);
    count_ = int(names.size());
    return std::nullopt;
}

std::variant<VoucherTexts, QString> VoucherFileLayout::textsOf(const QStringList& fields) const
{
    if (fields.size() != count_)
        return fieldCountProblem(fields.size(), count_);
    const auto field = [&fields](int column) { return column < 0 ? QString() : fields[column]; };

    const QString type = field(type_).trimmed().toLower();
    const bool receipt = type == QLatin1String("r") || type == QLatin1String("receipt");
    if (!receipt && type != QLatin1String("p") && type != QLatin1String("payment"))
        return QStringLiteral("The type must be R or Receipt, P or Payment, not '%1'.").arg(field(type_).trimmed());
    VoucherTexts texts;
    texts.receipt = receipt;
    // The forms a file brings are given to the checks as the window's box
    // holds them; a text that is none of them meets the window's message.
    texts.date = field(date_);
    if (const std::optional<QDate> date = datetext::parse(texts.date.trimmed()))
        texts.date = datetext::format(*date);
    texts.shop = field(institution_);
    texts.head = field(head_);
    texts.amount = field(amount_).trimmed();
    texts.narration = field(narration_);
    texts.billNo = field(bill_);
    return texts;
}

BankStatementLayout::BankStatementLayout(ImportMapping mapping, QList<ImportRule> rules, QString defaultHead)
    : mapping_(std::move(mapping)), rules_(std::move(rules)), defaultHead_(std::move(defaultHead).trimmed())
{
}

std::optional<QString> BankStatementLayout::readHeader(const QStringList& names)
{
    const std::pair<const QString*, int*> wanted[] = {{&mapping_.dateColumn, &date_},
                                                      {&mapping_.creditColumn, &credit_},
                                                      {&mapping_.debitColumn, &debit_},
                                                      {&mapping_.narrationColumn, &narration_},
                                                      {&mapping_.billColumn, &bill_}};
    QStringList plainNames;
    for (const QString& name : names)
        plainNames << plainColumnName(name);
    QStringList missing;
    for (const auto& [column, place] : wanted) {
        *place = column->isEmpty() ? -1 : int(plainNames.indexOf(plainColumnName(*column)));
        if (!column->isEmpty() && *place < 0)
            missing << *column;
    }
    if (missing.isEmpty())
        return std::nullopt;
    return QStringLiteral("No row of the file is a header row with the columns of the mapping '%1' (%2).")
        .arg(mapping_.name, missing.join(QStringLiteral(", ")));
}

std::optional<QString> BankStatementLayout::amountText(const QString& field)
{
    QString text;
    for (const QChar c : field)
        if (c != u',' && !c.isSpace())
            text += c;
    // Some banks write a debit as a negative amount in its own column.
    if (text.startsWith(u'-'))
        text.remove(0, 1);
    if (text.isEmpty())
        return QString();
    const std::optional<Currency> amount = Currency::parse(text);
    if (!amount)
        return std::nullopt;
    return amount->paise() == 0 ? QString() : text;
}

std::variant<VoucherTexts, QString> BankStatementLayout::textsOf(const QStringList& fields) const
{
    const int last = std::max({date_, credit_, debit_, narration_, bill_});
    if (fields.size() <= last)
        return QStringLiteral("The row has %1 fields; the mapping '%2' reads %3.")
            .arg(fields.size())
            .arg(mapping_.name)
            .arg(last + 1);
    VoucherTexts texts;
    const std::optional<QDate> date = DatePattern::read(mapping_.dateFormat)->dateOf(fields[date_]);
    if (!date)
        return QStringLiteral("The date '%1' does not read as %2.").arg(fields[date_].trimmed(), mapping_.dateFormat);
    texts.date = datetext::format(*date);

    const std::optional<QString> credit = amountText(fields[credit_]);
    const std::optional<QString> debit = amountText(fields[debit_]);
    if (!credit)
        return QStringLiteral("The credit '%1' is not an amount.").arg(fields[credit_].trimmed());
    if (!debit)
        return QStringLiteral("The debit '%1' is not an amount.").arg(fields[debit_].trimmed());
    if (!credit->isEmpty() && !debit->isEmpty())
        return QStringLiteral("The row has both a credit and a debit.");
    if (credit->isEmpty() && debit->isEmpty())
        return QStringLiteral("The row has neither a credit nor a debit.");
    texts.receipt = !credit->isEmpty();
    texts.amount = texts.receipt ? *credit : *debit;

    texts.shop = QString::number(mapping_.shopId);
    texts.narration = fields[narration_].simplified();
    texts.billNo = bill_ < 0 ? QString() : fields[bill_].trimmed();
    for (const ImportRule& rule : rules_)
        if (texts.narration.contains(rule.contains, Qt::CaseInsensitive)) {
            texts.head = rule.headCode;
            return texts;
        }
    if (defaultHead_.isEmpty())
        return QStringLiteral("No rule of the mapping '%1' gives a head to '%2'; add a rule or give a default head.")
            .arg(mapping_.name, texts.narration);
    texts.head = defaultHead_;
    return texts;
}

std::variant<std::unique_ptr<BankStatementLayout>, QString>
bankStatementLayout(db::Connection& conn, int cashAccNo, const QString& name, const QString& defaultHead)
{
    ImportMappings mappings(conn);
    const std::optional<ImportMapping> mapping = mappings.find(name);
    if (!mapping)
        return ImportMappings::noMapping(name);
    const QString head = defaultHead.trimmed();
    if (!head.isEmpty()) {
        const std::optional<int> accno = headWithCode(conn, head);
        if (!accno)
            return QStringLiteral("There is no ledger head with the code '%1'.").arg(head);
        if (*accno == cashAccNo)
            return QStringLiteral("The default head cannot be the cash account: every voucher is already on it.");
    }
    return std::make_unique<BankStatementLayout>(*mapping, mappings.rules(mapping->name), head);
}

} // namespace pellam::data
