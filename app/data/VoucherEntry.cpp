#include "data/VoucherEntry.h"

#include "data/BooksLock.h"
#include "data/VoucherCheck.h"
#include "database/Cursor.h"
#include "format/DateText.h"
#include "format/PrintableText.h"

namespace pellam::data {

namespace {

bool holdsControlCharacters(const QString& text)
{
    return printable(text) != text;
}

// What a refused head adds to the window's message, which only says the
// head is wrong.
QString headProblem(const std::optional<int>& head, const QString& code, int cashAccNo, int& accno)
{
    if (!head)
        return code.isEmpty() ? QString() : QStringLiteral(" There is no ledger head with the code '%1'.").arg(code);
    if (*head == cashAccNo)
        return QStringLiteral(" The cash account is the other side of every voucher.");
    accno = *head;
    return {};
}

} // namespace

void VoucherEntry::rememberBooks()
{
    // Read from the highest number down, so that of two heads with one code
    // the lower number stays, as headWithCode finds it.
    QHash<QString, int> heads;
    for (db::Cursor rows = conn_.cursor(QStringLiteral("select accno, acccode from account order by accno desc"));
         !rows.eof(); rows.MoveNext())
        heads.insert(rows.toString(1).toLower(), int(rows.toInt(0)));
    headsByCode_ = heads;
    QSet<qint64> shops;
    for (db::Cursor rows = conn_.cursor(QStringLiteral("select shopid from organization")); !rows.eof();
         rows.MoveNext())
        shops.insert(rows.toInt(0));
    institutions_ = shops;
    lockedUntil_ = BooksLock(conn_).lockedUntil();
}

std::optional<int> VoucherEntry::headOf(const QString& code) const
{
    if (!headsByCode_)
        return headWithCode(conn_, code);
    const auto found = headsByCode_->constFind(code.toLower());
    if (found == headsByCode_->constEnd())
        return std::nullopt;
    return *found;
}

bool VoucherEntry::institutionExists(qint64 shopId) const
{
    // Books without institutions store their vouchers for institution 0,
    // as the window's "<None>" does.
    if (institutions_)
        return shopId == 0 ? institutions_->isEmpty() : institutions_->contains(shopId);
    const QString sql = shopId == 0 ? QStringLiteral("select count(*) = 0 from organization")
                                    : QStringLiteral("select count(*) from organization where shopid = ?");
    return conn_.scalar(sql, shopId == 0 ? QVariantList{} : QVariantList{shopId}).toLongLong() > 0;
}

std::variant<CheckedVoucher, QString> VoucherEntry::check(const VoucherTexts& t, const QString& userId) const
{
    const std::pair<const QString*, const char*> texts[] = {
        {&t.date, "The date"},        {&t.shop, "The institution"},  {&t.head, "The head"},
        {&t.amount, "The amount"},    {&t.narration, "The narration"}, {&t.billNo, "The bill number"}};
    for (const auto& [text, name] : texts)
        if (holdsControlCharacters(*text))
            return QStringLiteral("%1 may not hold control characters (line breaks, tabs and the like).")
                .arg(QLatin1String(name));

    int accno = 0;
    const QString code = t.head.trimmed();
    const QString whyNoHead = headProblem(headOf(code), code, cashAccNo_, accno);
    // The window's amount box takes only a number; anything after one is
    // no amount here, where the box would not have let it be typed.
    const bool wholeNumber = Currency::parse(t.amount).has_value();
    const VoucherFields fields{t.date, accno == 0 ? QString() : QString::number(accno),
                               wholeNumber ? t.amount : QString(), false, {}};
    if (const auto problem = VoucherCheck::check(fields, yearStart_, yearEnd_)) {
        QString message = problem->message.trimmed();
        if (problem->field == FieldProblem::Field::Account)
            message += whyNoHead;
        return message;
    }
    if (const auto problem = institutionProblem(t.shop))
        return *problem;
    if (t.billNo.size() > kBillLength)
        return QStringLiteral("The bill number may have at most %1 characters.").arg(kBillLength);
    const QDate date = *datetext::parse(t.date);
    const std::optional<QDate> until = lockedUntil_ ? *lockedUntil_ : BooksLock(conn_).lockedUntil();
    if (until && date <= *until)
        return BooksLock::voucherMessage(*until);

    CheckedVoucher out;
    out.head = accno;
    Voucher& v = out.voucher;
    v.shopId = t.shop.trimmed().toLongLong();
    v.debit = t.receipt ? cashAccNo_ : accno;
    v.credit = t.receipt ? accno : cashAccNo_;
    v.date = date;
    v.amount = VoucherCheck::amountOf(t.amount);
    v.narration = t.narration;
    v.billNo = t.billNo;
    v.userId = userId;
    return out;
}

std::optional<QString> VoucherEntry::institutionProblem(const QString& shop) const
{
    bool ok = false;
    const qint64 shopId = shop.trimmed().toLongLong(&ok);
    if (ok && institutionExists(shopId))
        return std::nullopt;
    return QStringLiteral("There is no institution '%1'.").arg(shop.trimmed());
}

VoucherTexts VoucherEntry::textsOf(const StoredVoucher& v) const
{
    VoucherTexts t;
    t.date = datetext::format(v.date);
    t.shop = QString::number(v.shopId);
    t.receipt = v.dbAccNo == cashAccNo_;
    t.head = t.receipt ? v.crAccCode : v.dbAccCode;
    t.amount = v.amount.toString(2);
    t.narration = v.narration;
    t.billNo = v.billNo;
    return t;
}

QString typedAsTheWindow(const QString& text)
{
    return text.toUpper();
}

std::optional<int> headWithCode(db::Connection& conn, const QString& code)
{
    const QVariant accno =
        conn.scalar(QStringLiteral("select accno from account where acccode = ? collate nocase order by accno"), {code});
    if (accno.isNull())
        return std::nullopt;
    return accno.toInt();
}

std::optional<QString> voucherUser(db::Connection& conn, const QString& given)
{
    if (given.isEmpty()) {
        const QVariant first = conn.scalar(QStringLiteral("select userid from loginuser order by rowid"));
        return first.isNull() ? QStringLiteral("MERION") : first.toString();
    }
    const QVariant stored = conn.scalar(QStringLiteral("select userid from loginuser where userid = ?"), {given});
    if (stored.isNull())
        return std::nullopt;
    return stored.toString();
}

} // namespace pellam::data
