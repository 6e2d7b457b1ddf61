#include "data/VoucherImport.h"

#include "data/CsvRows.h"
#include "database/Cursor.h"
#include "format/DateText.h"

namespace pellam::data {

namespace {

const QString kColumnList =
    QStringLiteral("date, institution, type, head, amount, narration, bill number");

// A column's name as the header row may spell it: any case, with or
// without blanks, underscores and points ("Bill No.", "bill_number").
QString plainName(const QString& name)
{
    QString plain;
    for (const QChar c : name.trimmed())
        if (c != u' ' && c != u'_' && c != u'.')
            plain += c.toLower();
    return plain;
}

} // namespace

VoucherImport::VoucherImport(db::Connection& conn, int cashAccNo, QDate yearStart, QDate yearEnd, QString userId)
    : conn_(conn), cashAccNo_(cashAccNo), userId_(std::move(userId)), entry_(conn, cashAccNo, yearStart, yearEnd)
{
}

void VoucherImport::rememberBooks()
{
    entry_.rememberBooks();
    // Read from the highest number down, so that the lowest number of a
    // name stays; a code wins over a name that spells the same.
    QHash<QString, QString> codes;
    for (db::Cursor rows = conn_.cursor(QStringLiteral("select acccode, accountname from account order by accno desc"));
         !rows.eof(); rows.MoveNext()) {
        headCodes_.insert(rows.toString(1).trimmed().toLower(), rows.toString(0));
        codes.insert(rows.toString(0).toLower(), rows.toString(0));
    }
    headCodes_.insert(codes);
    for (db::Cursor rows = conn_.cursor(QStringLiteral("select shopid, shopname from organization order by shopid desc"));
         !rows.eof(); rows.MoveNext())
        institutions_.insert(rows.toString(1).trimmed().toLower(), rows.toInt(0));
    for (db::Cursor rows = conn_.cursor(QStringLiteral("select jousrlno, joudate, shopid, debitaccid, creditaccid, "
                                                       "amount, billno from journal order by jousrlno desc"));
         !rows.eof(); rows.MoveNext()) {
        const bool receipt = rows.toInt(3) == cashAccNo_;
        const DuplicateKey key{rows.toInt(2), receipt ? rows.toInt(5) : -rows.toInt(5), qint32(rows.toDate(1).toJulianDay()),
                               qint32(receipt ? rows.toInt(4) : rows.toInt(3)), rows.toString(6)};
        seen_.insert(key, rows.toInt(0));
    }
}

std::optional<QString> VoucherImport::readHeader(const QStringList& names, Columns& columns) const
{
    const std::pair<const char*, int*> known[] = {
        {"date", &columns.date},     {"institution", &columns.institution}, {"shop", &columns.institution},
        {"type", &columns.type},     {"head", &columns.head},               {"amount", &columns.amount},
        {"narration", &columns.narration}, {"bill", &columns.bill},         {"billno", &columns.bill},
        {"billnumber", &columns.bill}};
    for (int i = 0; i < names.size(); ++i) {
        const QString name = plainName(names[i]);
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
    const std::pair<const char*, int> needed[] = {{"date", columns.date},
                                                  {"institution", columns.institution},
                                                  {"type", columns.type},
                                                  {"head", columns.head},
                                                  {"amount", columns.amount}};
    for (const auto& [name, place] : needed)
        if (place < 0)
            return QStringLiteral("The header row has no column '%1' (the columns: %2).")
                .arg(QLatin1String(name), kColumnList);
    columns.count = int(names.size());
    return std::nullopt;
}

std::variant<CheckedVoucher, QString> VoucherImport::checkRow(const QStringList& fields, const Columns& columns) const
{
    if (fields.size() != columns.count)
        return QStringLiteral("The row has %1 fields where the header row has %2.").arg(fields.size()).arg(columns.count);
    const auto field = [&fields](int column) { return column < 0 ? QString() : fields[column]; };

    const QString type = field(columns.type).trimmed().toLower();
    const bool receipt = type == QLatin1String("r") || type == QLatin1String("receipt");
    if (!receipt && type != QLatin1String("p") && type != QLatin1String("payment"))
        return QStringLiteral("The type must be R or Receipt, P or Payment, not '%1'.").arg(field(columns.type).trimmed());

    VoucherTexts texts;
    texts.receipt = receipt;
    // The forms a file brings are given to the checks as the window's box
    // holds them; a text that is none of them meets the window's message.
    texts.date = field(columns.date);
    if (const std::optional<QDate> date = datetext::parse(texts.date.trimmed()))
        texts.date = datetext::format(*date);
    texts.shop = field(columns.institution);
    bool number = false;
    texts.shop.trimmed().toLongLong(&number);
    if (!number)
        if (const auto found = institutions_.constFind(texts.shop.trimmed().toLower()); found != institutions_.constEnd())
            texts.shop = QString::number(*found);
    texts.head = field(columns.head);
    if (const auto found = headCodes_.constFind(texts.head.trimmed().toLower()); found != headCodes_.constEnd())
        texts.head = *found;
    texts.amount = field(columns.amount).trimmed();
    texts.narration = typedAsTheWindow(field(columns.narration));
    texts.billNo = typedAsTheWindow(field(columns.bill));
    return entry_.check(texts, userId_);
}

VoucherImport::DuplicateKey VoucherImport::duplicateKey(const Voucher& v, int head) const
{
    const qint64 paise = v.amount.paise();
    return {v.shopId, v.debit == cashAccNo_ ? paise : -paise, qint32(v.date.toJulianDay()), head, v.billNo};
}

CheckedImport VoucherImport::check(QByteArray bytes, bool allowDuplicates)
{
    CheckedImport out;
    const QString text = csvText(bytes);
    bytes = QByteArray();
    CsvRows rows(text);
    CsvRow row;
    Columns columns;
    if (!rows.next(row)) {
        out.errors.append({1, QStringLiteral("The file has no header row (the columns: %1).").arg(kColumnList)});
        return out;
    }
    if (const std::optional<QString> problem = readHeader(row.fields, columns)) {
        out.errors.append({row.line, *problem});
        return out;
    }
    rememberBooks();
    while (rows.next(row)) {
        // A quote left open runs to the end of the file: that row is no row.
        if (rows.unclosedQuoteLine() == row.line) {
            out.errors.append({row.line, QStringLiteral("A quoted field that begins on this line is not closed.")});
            break;
        }
        const auto checked = checkRow(row.fields, columns);
        if (const QString* problem = std::get_if<QString>(&checked)) {
            out.errors.append({row.line, *problem});
            continue;
        }
        const auto& voucher = std::get<CheckedVoucher>(checked);
        if (!allowDuplicates) {
            const DuplicateKey key = duplicateKey(voucher.voucher, voucher.head);
            if (const auto seen = seen_.constFind(key); seen != seen_.constEnd()) {
                out.duplicates.append({row.line, *seen > 0
                                                     ? QStringLiteral("duplicate of voucher %1, skipped").arg(*seen)
                                                     : QStringLiteral("duplicate of line %1, skipped").arg(-*seen)});
                continue;
            }
            seen_.insert(key, -row.line);
        }
        (voucher.voucher.debit == cashAccNo_ ? out.receipts : out.payments) += voucher.voucher.amount;
        out.vouchers.append(voucher);
    }
    return out;
}

JournalRange VoucherImport::store(const CheckedImport& checked)
{
    // What the check looked up is not needed to store.
    seen_ = {};
    headCodes_ = {};
    institutions_ = {};
    return VoucherStore(conn_).insertAll(checked.vouchers);
}

} // namespace pellam::data
