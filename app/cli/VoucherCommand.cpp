#include "cli/VoucherCommand.h"

#include "cli/ExitCode.h"
#include "data/BooksLock.h"
#include "data/VoucherStore.h"
#include "database/Cursor.h"
#include "format/DateText.h"
#include "format/IndianNumberFormat.h"
#include "format/PrintableText.h"

#include <QRegularExpression>

namespace pellam::cli {

namespace {

const QString kDate = QStringLiteral("date");
const QString kShop = QStringLiteral("shop");
const QString kHead = QStringLiteral("head");
const QString kAmount = QStringLiteral("amount");
const QString kNarration = QStringLiteral("narration");
const QString kBill = QStringLiteral("bill");
const QString kUser = QStringLiteral("user");
const QString kReceipt = QStringLiteral("receipt");
const QString kPayment = QStringLiteral("payment");
const QString kYear = QStringLiteral("year");
const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");
const QString kFormat = QStringLiteral("format");

// The options that give a voucher's fields, for add and edit alike.
const QStringList kFieldOptions{kYear, kDate, kShop, kHead, kAmount, kNarration, kBill, kUser, kReceipt, kPayment};

const QRegularExpression kTrailingBlanks(QStringLiteral(" +$"));

QString typeName(bool receipt)
{
    return receipt ? QStringLiteral("Receipt") : QStringLiteral("Payment");
}

// One field of a CSV row: quoted when it holds a separator, a quote or a
// line break, with its quotes doubled.
QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

VoucherCommand::VoucherCommand(const CommandLine& line, db::Connection& conn, int cashAccNo,
                               const data::FinancialYear& year, QTextStream& out)
    : line_(line), conn_(conn), year_(year), entry_(conn, cashAccNo, year.start, year.end), cashAccNo_(cashAccNo),
      out_(out)
{
}

void VoucherCommand::run()
{
    const QString action = line_.subject();
    if (action == QLatin1String("add"))
        add();
    else if (action == QLatin1String("show"))
        show();
    else if (action == QLatin1String("edit"))
        edit();
    else if (action == QLatin1String("delete"))
        remove();
    else
        list();
}

void VoucherCommand::allowOnly(const QStringList& options) const
{
    QStringList given = line_.options();
    given.sort();
    for (const QString& option : given)
        if (!options.contains(option) && !CommandLine::namesTheUser(option))
            throw UsageError(QStringLiteral("'voucher %1' takes no option '--%2'").arg(line_.subject(), option));
    if (line_.has(kReceipt) && line_.has(kPayment))
        throw UsageError(QStringLiteral("a voucher is a receipt or a payment: give --receipt or --payment, not both"));
}

data::VoucherTexts VoucherCommand::given(data::VoucherTexts t) const
{
    const auto take = [this](const QString& option, QString& field) {
        if (line_.has(option))
            field = line_.text(option);
    };
    take(kDate, t.date);
    take(kShop, t.shop);
    take(kHead, t.head);
    take(kAmount, t.amount);
    // Only the texts given are typed anew; the stored ones stay as they are.
    if (line_.has(kNarration))
        t.narration = data::typedAsTheWindow(line_.text(kNarration));
    if (line_.has(kBill))
        t.billNo = data::typedAsTheWindow(line_.text(kBill));
    if (line_.has(kReceipt) || line_.has(kPayment))
        t.receipt = line_.has(kReceipt);
    return t;
}

qint64 VoucherCommand::store(const data::VoucherTexts& texts, std::optional<qint64> number)
{
    const std::optional<QString> user = data::voucherUser(conn_, line_.text(kUser));
    if (!user)
        throw UsageError(QStringLiteral("--user: there is no user '%1' in the books").arg(line_.text(kUser)));
    const auto checked = entry_.check(texts, *user);
    if (const QString* problem = std::get_if<QString>(&checked))
        throw CommandFailure(ExitCode::Failed, *problem);
    const auto& voucher = std::get<data::CheckedVoucher>(checked);
    return data::VoucherStore(conn_).save(voucher.voucher, number, voucher.head);
}

void VoucherCommand::add()
{
    allowOnly(kFieldOptions);
    for (const QString& option : {kDate, kShop, kHead, kAmount})
        if (!line_.has(option))
            throw UsageError(QStringLiteral("voucher add needs --%1").arg(option));
    if (!line_.has(kReceipt) && !line_.has(kPayment))
        throw UsageError(QStringLiteral("voucher add needs --receipt or --payment"));
    out_ << store(given({}), std::nullopt) << Qt::endl;
}

data::StoredVoucher VoucherCommand::named() const
{
    bool ok = false;
    const qint64 number = line_.numberGiven().toLongLong(&ok);
    if (!ok || number <= 0)
        throw UsageError(QStringLiteral("the voucher's number must be a whole number above 0, not '%1'")
                             .arg(line_.numberGiven()));
    const std::optional<data::StoredVoucher> stored = data::VoucherStore(conn_).load(number);
    if (!stored)
        throw CommandFailure(ExitCode::Failed, QStringLiteral("There is no voucher %1 in the books for %2.")
                                                   .arg(number)
                                                   .arg(year_.label()));
    return *stored;
}

void VoucherCommand::refuseLocked(const data::StoredVoucher& stored) const
{
    // A voucher on a locked day stays as it is, whatever it would become.
    if (const std::optional<QString> refusal = data::BooksLock(conn_).voucherRefusal(stored.date))
        throw CommandFailure(ExitCode::Failed, *refusal);
}

QString VoucherCommand::shopName(qint64 shopId) const
{
    return conn_.scalar(QStringLiteral("select shopname from organization where shopid = ?"), {shopId}).toString();
}

void VoucherCommand::show()
{
    allowOnly({kYear});
    const data::StoredVoucher v = named();
    const bool receipt = v.dbAccNo == cashAccNo_;
    const QString code = receipt ? v.crAccCode : v.dbAccCode;
    const QString head = receipt ? v.crAccName : v.dbAccName;
    // Texts from the books go to the terminal without the codes they may hold.
    const std::pair<const char*, QString> fields[] = {
        {"Jou. No.", QString::number(v.jouNo)},
        {"Date", datetext::format(v.date)},
        {"Institution", QStringLiteral("%1 %2").arg(v.shopId).arg(shopName(v.shopId)).trimmed()},
        {"Type", typeName(receipt)},
        {"Head", QStringLiteral("%1 %2").arg(code.trimmed(), head.trimmed())},
        {"Amount", formatIndianAmount(v.amount, 0)},
        {"Narration", v.narration},
        {"Bill No.", v.billNo},
        {"User", v.userId},
    };
    for (const auto& [name, value] : fields)
        out_ << QLatin1String(name) << ": " << printable(value) << Qt::endl;
}

void VoucherCommand::edit()
{
    allowOnly(kFieldOptions);
    const data::StoredVoucher stored = named();
    refuseLocked(stored);
    out_ << store(given(entry_.textsOf(stored)), stored.jouNo) << Qt::endl;
}

void VoucherCommand::remove()
{
    allowOnly({kYear, QStringLiteral("yes")});
    const data::StoredVoucher stored = named();
    if (!line_.has(QStringLiteral("yes")))
        throw UsageError(QStringLiteral("voucher delete needs --yes to delete voucher %1").arg(stored.jouNo));
    refuseLocked(stored);
    data::VoucherStore(conn_).remove(stored.jouNo);
    out_ << "Deleted voucher " << stored.jouNo << Qt::endl;
}

void VoucherCommand::list()
{
    allowOnly({kYear, kDate, kFrom, kTo, kShop, kHead, kFormat});
    if (line_.has(kDate) && (line_.has(kFrom) || line_.has(kTo)))
        throw UsageError(QStringLiteral("give --date or --from and --to, not both"));
    const QString format = line_.has(kFormat) ? line_.text(kFormat) : QStringLiteral("text");
    if (format != QLatin1String("text") && format != QLatin1String("csv"))
        throw UsageError(QStringLiteral("--format must be text or csv, not '%1'").arg(format));
    const QDate from = line_.has(kDate) ? line_.date(kDate, {}) : line_.date(kFrom, year_.start);
    const QDate to = line_.has(kDate) ? from : line_.date(kTo, year_.end);
    if (from > to)
        throw UsageError(QStringLiteral("From Date is after To Date"));

    QString sql = QStringLiteral("select jousrlno, joudate, shopid, dbaccno, dbaccode, craccode, amount, narration, "
                                 "billno from journalview where joudate between ? and ?");
    QVariantList params{from.toString(Qt::ISODate), to.toString(Qt::ISODate)};
    if (line_.has(kShop)) {
        sql += QStringLiteral(" and shopid = ?");
        params << line_.number(kShop, 0, 0, std::numeric_limits<qint64>::max());
    }
    if (line_.has(kHead)) {
        const std::optional<int> head = data::headWithCode(conn_, line_.text(kHead).trimmed());
        if (!head)
            throw UsageError(QStringLiteral("--head: there is no ledger head with the code '%1'").arg(line_.text(kHead)));
        sql += QStringLiteral(" and (dbaccno = ? or craccno = ?)");
        params << *head << *head;
    }
    sql += QStringLiteral(" order by joudate, jousrlno");

    const bool csv = format == QLatin1String("csv");
    if (csv)
        out_ << "jou_no,date,shop,type,head,amount,narration,bill_no\n";
    else
        out_ << QStringLiteral("%1 %2 %3 %4 %5 %6  %7\n")
                    .arg(QStringLiteral("Jou. No."), 8)
                    .arg(QStringLiteral("Date"), -10)
                    .arg(QStringLiteral("Inst."), 5)
                    .arg(QStringLiteral("Type"), -7)
                    .arg(QStringLiteral("Head"), -10)
                    .arg(QStringLiteral("Amount"), 14)
                    .arg(QStringLiteral("Narration"));
    for (db::Cursor rows = conn_.cursor(sql, params); !rows.eof(); rows.MoveNext()) {
        const bool receipt = rows.toInt(QStringLiteral("dbaccno")) == cashAccNo_;
        const QString head = rows.toString(receipt ? QStringLiteral("craccode") : QStringLiteral("dbaccode")).trimmed();
        const QDate date = rows.toDate(1);   // joudate
        // A spreadsheet reads the plain number; a person the grouped one.
        const Currency paise = Currency::fromPaise(rows.toInt(QStringLiteral("amount")));
        const QString amount = csv ? paise.toString(2) : formatIndianAmount(paise, 0);
        const QString narration = printable(rows.toString(QStringLiteral("narration")));
        const QString shop = QString::number(rows.toInt(QStringLiteral("shopid")));
        const QString number = QString::number(rows.toInt(QStringLiteral("jousrlno")));
        if (csv)
            out_ << QStringList{number, date.toString(Qt::ISODate), shop, typeName(receipt), csvField(head), amount,
                                csvField(narration), csvField(printable(rows.toString(QStringLiteral("billno"))))}
                        .join(QLatin1Char(','))
                 << '\n';
        else
            out_ << QStringLiteral("%1 %2 %3 %4 %5 %6  %7")
                        .arg(number, 8)
                        .arg(datetext::format(date), -10)
                        .arg(shop, 5)
                        .arg(typeName(receipt), -7)
                        .arg(head, -10)
                        .arg(amount, 14)
                        .arg(narration)
                        .remove(kTrailingBlanks)
                 << '\n';
    }
}

} // namespace pellam::cli
