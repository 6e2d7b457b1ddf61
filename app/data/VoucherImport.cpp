#include "data/VoucherImport.h"

#include "data/CsvRows.h"
#include "database/Cursor.h"
#include "format/DateText.h"
#include "format/IndianNumberFormat.h"

namespace pellam::data {

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

std::variant<CheckedVoucher, QString> VoucherImport::checkRow(const ImportLayout& layout,
                                                            const QStringList& fields) const
{
    auto read = layout.textsOf(fields);
    if (QString* problem = std::get_if<QString>(&read))
        return *problem;
    VoucherTexts& texts = std::get<VoucherTexts>(read);
    bool number = false;
    texts.shop.trimmed().toLongLong(&number);
    if (!number)
        if (const auto found = institutions_.constFind(texts.shop.trimmed().toLower()); found != institutions_.constEnd())
            texts.shop = QString::number(*found);
    if (const auto found = headCodes_.constFind(texts.head.trimmed().toLower()); found != headCodes_.constEnd())
        texts.head = *found;
    texts.narration = typedAsTheWindow(texts.narration);
    texts.billNo = typedAsTheWindow(texts.billNo);
    return entry_.check(texts, userId_);
}

VoucherImport::DuplicateKey VoucherImport::duplicateKey(const Voucher& v, int head) const
{
    const qint64 paise = v.amount.paise();
    return {v.shopId, v.debit == cashAccNo_ ? paise : -paise, qint32(v.date.toJulianDay()), head, v.billNo};
}

CheckedImport VoucherImport::check(QByteArray bytes, bool allowDuplicates, ImportLayout* given,
                                   const ImportProgress& progress)
{
    CheckedImport out;
    VoucherFileLayout voucherFile;
    ImportLayout& layout = given ? *given : voucherFile;
    const QString text = csvText(bytes);
    bytes = QByteArray();
    CsvRows rows(text);
    CsvRow row;
    if (!rows.next(row)) {
        out.errors.append({1, QStringLiteral("The file has no header row (the columns: %1).").arg(VoucherFileLayout::kColumnList)});
        return out;
    }
    std::optional<QString> problem = layout.readHeader(row.fields);
    while (problem && layout.headerMayFollowOtherRows() && rows.next(row))
        problem = layout.readHeader(row.fields);
    if (problem) {
        out.errors.append({layout.headerMayFollowOtherRows() ? 1 : row.line, *problem});
        return out;
    }
    rememberBooks();
    int told = -1;
    while (rows.next(row)) {
        if (progress && row.line % 1000 == 0 && rows.position() * 100 / text.size() != told)
            progress(told = int(rows.position() * 100 / text.size()));
        // A quote left open runs to the end of the file: that row is no row.
        if (rows.unclosedQuoteLine() == row.line) {
            out.errors.append({row.line, QStringLiteral("A quoted field that begins on this line is not closed.")});
            if (keepRowsLeft_)
                out.rowsLeft.insert(row.line, row.fields);
            break;
        }
        const auto checked = checkRow(layout, row.fields);
        if (const QString* refused = std::get_if<QString>(&checked)) {
            out.errors.append({row.line, *refused});
            if (keepRowsLeft_)
                out.rowsLeft.insert(row.line, row.fields);
            continue;
        }
        const auto& voucher = std::get<CheckedVoucher>(checked);
        if (!allowDuplicates) {
            const DuplicateKey key = duplicateKey(voucher.voucher, voucher.head);
            if (const auto seen = seen_.constFind(key); seen != seen_.constEnd()) {
                out.duplicates.append({row.line, *seen > 0
                                                     ? QStringLiteral("duplicate of voucher %1, skipped").arg(*seen)
                                                     : QStringLiteral("duplicate of line %1, skipped").arg(-*seen)});
                if (keepRowsLeft_)
                    out.rowsLeft.insert(row.line, row.fields);
                continue;
            }
            seen_.insert(key, -row.line);
        }
        (voucher.voucher.debit == cashAccNo_ ? out.receipts : out.payments) += voucher.voucher.amount;
        out.vouchers.append(voucher);
        out.lines.append(row.line);
    }
    if (progress)
        progress(100);
    return out;
}

JournalRange VoucherImport::store(const CheckedImport& checked, const ImportProgress& progress)
{
    // What the check looked up is not needed to store.
    seen_ = {};
    headCodes_ = {};
    institutions_ = {};
    const qsizetype total = std::max<qsizetype>(checked.vouchers.size(), 1);
    return VoucherStore(conn_).insertAll(checked.vouchers, [&](qsizetype stored) {
        if (progress)
            progress(int(stored * 100 / total));
    });
}

QString countedText(qsizetype count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(groupIndian(static_cast<unsigned long long>(count)),
                                       QLatin1String(count == 1 ? one : many));
}

namespace {

QString totalsAndSkipped(const CheckedImport& checked)
{
    QString text = QStringLiteral("receipts %1, payments %2")
                       .arg(formatIndianAmount(checked.receipts, 0), formatIndianAmount(checked.payments, 0));
    if (!checked.duplicates.isEmpty())
        text += QStringLiteral("; %1 skipped").arg(countedText(checked.duplicates.size(), "duplicate", "duplicates"));
    return text;
}

} // namespace

QString checkedSummary(const CheckedImport& checked)
{
    return QStringLiteral("%1: %2").arg(countedText(checked.vouchers.size(), "voucher", "vouchers"),
                                        totalsAndSkipped(checked));
}

QString importedSummary(const CheckedImport& checked, const JournalRange& range)
{
    if (checked.vouchers.isEmpty() && checked.duplicates.isEmpty())
        return QStringLiteral("Imported no vouchers");
    if (checked.vouchers.isEmpty())
        return QStringLiteral("Imported no vouchers; %1 skipped")
            .arg(countedText(checked.duplicates.size(), "duplicate", "duplicates"));
    return QStringLiteral("Imported %1 (Jou. No. %2 to %3): %4")
        .arg(countedText(checked.vouchers.size(), "voucher", "vouchers"))
        .arg(range.first)
        .arg(range.last)
        .arg(totalsAndSkipped(checked));
}

} // namespace pellam::data
