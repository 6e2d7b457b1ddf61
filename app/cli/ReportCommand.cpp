#include "cli/ReportCommand.h"

#include "cli/ExitCode.h"
#include "core/AppState.h"
#include "data/CashAccount.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "excel/ExcelWorkbook.h"
#include "files/FileReplace.h"
#include "format/DateText.h"
#include "printing/PagePrinter.h"
#include "reports/LedgerBuilder.h"
#include "reports/MonthlyBuilder.h"
#include "reports/QuarterlyBuilder.h"
#include "reports/RecPayBuilder.h"
#include "reports/ReportPrinter.h"
#include "reports/ReportRoute.h"
#include "reports/RouteProgress.h"
#include "reports/SummaryBuilder.h"

#include <QSaveFile>
#include <functional>

namespace pellam::cli {

namespace {

db::Connection& conn()
{
    return app::state().Conn;
}

QStringList listOption(const CommandLine& line, const QString& option)
{
    QStringList items;
    for (const QString& item : line.text(option).split(QLatin1Char(','), Qt::SkipEmptyParts))
        items << item.trimmed();
    return items;
}

app::ReportReference referenceOption(const CommandLine& line)
{
    const QString ref = line.has(QStringLiteral("ref")) ? line.text(QStringLiteral("ref")) : QStringLiteral("none");
    if (ref == QLatin1String("none"))
        return app::ReportReference::None;
    if (ref == QLatin1String("jou"))
        return app::ReportReference::JouNo;
    if (ref == QLatin1String("bill"))
        return app::ReportReference::BillNo;
    if (ref == QLatin1String("sl"))
        return app::ReportReference::SerialNo;
    throw UsageError(QStringLiteral("--ref must be none, jou, bill or sl, not '%1'").arg(ref));
}

// A file written in full or not at all.
void writeWhole(const QString& path, const std::function<void(QSaveFile&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw files::cannotWrite(path, file.errorString());
    write(file);
    QString why;
    if (!files::commitAndSync(file, why))
        throw files::cannotWrite(path, why);
}

} // namespace

app::StatementStatus ReportCommand::stages() const
{
    return app::statementStages({}, progress_);
}

QList<qint64> ReportCommand::shops() const
{
    QList<qint64> all;
    for (db::RecordSet rs = conn().query(QStringLiteral("select shopid from organization order by shopid")); !rs.eof();
         rs.MoveNext())
        all << rs.toInt(QStringLiteral("shopid"));
    const QString given = line_.text(QStringLiteral("shops"));
    if (!line_.has(QStringLiteral("shops")) || given == QLatin1String("all"))
        return all;
    QList<qint64> chosen;
    for (const QString& item : listOption(line_, QStringLiteral("shops"))) {
        bool ok = false;
        const qint64 shop = item.toLongLong(&ok);
        if (!ok || !all.contains(shop))
            throw UsageError(QStringLiteral("--shops: there is no institution '%1'").arg(item));
        chosen << shop;
    }
    return chosen;
}

QList<int> ReportCommand::heads() const
{
    if (!line_.has(QStringLiteral("heads")) || line_.text(QStringLiteral("heads")) == QLatin1String("all")) {
        QList<int> all;
        for (db::RecordSet rs = conn().query(QStringLiteral("select accno from account order by accountname, acccode"));
             !rs.eof(); rs.MoveNext())
            all << int(rs.toInt(QStringLiteral("accno")));
        return all;
    }
    QList<int> chosen;
    for (const QString& code : listOption(line_, QStringLiteral("heads"))) {
        const QVariant accno = conn().scalar(QStringLiteral("select accno from account where acccode = ?"), {code});
        if (accno.isNull())
            throw UsageError(QStringLiteral("--heads: there is no ledger head with the code '%1'").arg(code));
        chosen << accno.toInt();
    }
    return chosen;
}

void ReportCommand::allowOnly(const QString& report, const QStringList& options) const
{
    static const QStringList everyReport{QStringLiteral("date"), QStringLiteral("shops"), QStringLiteral("format"),
                                         QStringLiteral("out")};
    QStringList given = line_.options();
    given.sort();
    for (const QString& option : given)
        if (!everyReport.contains(option) && !CommandLine::namesTheUser(option) && !options.contains(option))
            throw UsageError(QStringLiteral("'report %1' takes no option '--%2'").arg(report, option));
}

QList<qint64> ReportCommand::chosenShops() const
{
    const QList<qint64> chosen = shops();
    if (chosen.isEmpty())
        throw UsageError(QStringLiteral("Please Select atleast one shop"));
    return chosen;
}

std::pair<QDate, QDate> ReportCommand::period(const QDate& yearStart, const QDate& yearEnd) const
{
    const QDate from = line_.date(QStringLiteral("from"), yearStart);
    const QDate to = line_.date(QStringLiteral("to"), yearEnd);
    if (from > to)
        throw UsageError(QStringLiteral("From Date is after To Date"));
    return {from, to};
}

void ReportCommand::choose(app::ReportChoices& r, const QDate& yearStart, const QDate& yearEnd) const
{
    r.shops = chosenShops();
    std::tie(r.from, r.to) = period(yearStart, yearEnd);
    r.reference = referenceOption(line_);
    r.shopColumn = line_.has(QStringLiteral("shop-column"));
    r.lines = line_.has(QStringLiteral("lines"));
    r.narration = line_.has(QStringLiteral("narration"));
    r.pageOffset = int(line_.number(QStringLiteral("page-offset"), 0, -99999, 99999));
}

int ReportCommand::statementCash(std::optional<int> shop) const
{
    const std::optional<data::CashAccount> cash = data::cashAccount(conn(), shop);
    if (!cash)
        throw CommandFailure(ExitCode::NothingToReport, app::noCashAccount());
    return cash->accno;
}

ReportCommand::Output ReportCommand::output(const QString& report, bool workbook) const
{
    Output o;
    o.format = line_.has(QStringLiteral("format")) ? line_.text(QStringLiteral("format")) : QStringLiteral("text");
    o.file = line_.text(QStringLiteral("out"));
    if (!workbook && o.format == QLatin1String("xlsx"))
        throw UsageError(QStringLiteral("'report %1' has no workbook: --format must be text or pdf").arg(report));
    if (o.format != QLatin1String("text") && o.format != QLatin1String("pdf") && o.format != QLatin1String("xlsx"))
        throw UsageError(QStringLiteral("--format must be text, pdf or xlsx, not '%1'").arg(o.format));
    if (o.format != QLatin1String("text") && o.file.isEmpty())
        throw UsageError(QStringLiteral("--format %1 needs --out FILE").arg(o.format));
    return o;
}

void ReportCommand::write(const Output& o, const app::ReportRoute& report)
{
    try {
        writeFile(o, app::tellingDone(report, progress_));
    } catch (const PellamError& e) {
        // Each writer says which file and why on one line; a script also
        // learns it from the exit code.
        if (e.Number() == DeviceIOError)
            throw CommandFailure(ExitCode::CannotWrite, e.Description());
        throw;
    }
}

void ReportCommand::writeFile(const Output& o, const app::ReportRoute& report)
{
    if (o.format == QLatin1String("text")) {
        const app::LineWriter& text = report.text;
        if (o.file.isEmpty())
            text([this](const QString& line) { out_ << line << '\n'; });
        else
            writeWhole(o.file, [&text](QSaveFile& file) {
                text([&file](const QString& line) {
                    file.write(line.toUtf8());
                    file.write("\n");
                });
            });
    } else if (o.format == QLatin1String("pdf")) {
        PagePrinter::instance().usePdfFile(o.file);
        app::ReportPrinter printer(report.pageOffset, report.paper);
        printer.openAsSet();
        printer.printWhole(report.print);
    } else if (report.sheet) {
        ExcelWorkbook book(o.file);
        report.sheet(book);
        book.Save();
    }
}

namespace {

// The options of the voucher reports' windows.
const QStringList kVoucherReportOptions{QStringLiteral("from"),        QStringLiteral("to"),
                                        QStringLiteral("ref"),         QStringLiteral("shop-column"),
                                        QStringLiteral("lines"),       QStringLiteral("narration"),
                                        QStringLiteral("page-offset")};

} // namespace

void ReportCommand::ledger(const QDate& yearStart, const QDate& yearEnd)
{
    allowOnly(QStringLiteral("ledger"), kVoucherReportOptions + QStringList{QStringLiteral("heads")});
    app::LedgerRequest r;
    choose(r, yearStart, yearEnd);
    r.heads = heads();
    if (r.heads.isEmpty())
        throw UsageError(QStringLiteral("Please Select atleast one Ledger"));
    const Output o = output(QStringLiteral("ledger"), true);
    app::LedgerDocument doc = app::LedgerBuilder(conn()).build(r);
    if (doc.heads.isEmpty())
        throw CommandFailure(ExitCode::NothingToReport, QStringLiteral("There is no records"));
    doc.progress = progress_;
    write(o, app::route(doc));
}

void ReportCommand::recpay(const QDate& yearStart, const QDate& yearEnd)
{
    allowOnly(QStringLiteral("recpay"), kVoucherReportOptions);
    app::ReportChoices r;
    choose(r, yearStart, yearEnd);
    const Output o = output(QStringLiteral("recpay"), true);
    app::RecPayDocument doc = app::RecPayBuilder(conn()).build(r);
    doc.progress = progress_;
    write(o, app::route(doc));
}

void ReportCommand::summary(const QDate& yearStart, const QDate& yearEnd)
{
    allowOnly(QStringLiteral("summary"),
              {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("with-opening")});
    app::SummaryRequest r;
    r.shops = chosenShops();
    std::tie(r.from, r.to) = period(yearStart, yearEnd);
    r.fromText = datetext::format(r.from);
    r.toText = datetext::format(r.to);
    r.withOpening = line_.has(QStringLiteral("with-opening"));
    const Output o = output(QStringLiteral("summary"), true);
    const app::SummaryDocument doc = app::SummaryBuilder(conn(), stages()).build(r);
    write(o, app::route(doc));
}

void ReportCommand::quarterly(const QDate& yearStart, const QDate& yearEnd, const QDate& date)
{
    allowOnly(QStringLiteral("quarterly"), {QStringLiteral("quarter"), QStringLiteral("lines")});
    app::QuarterRequest r;
    r.shops = chosenShops();
    r.quarter = line_.has(QStringLiteral("quarter")) ? line_.text(QStringLiteral("quarter")) : app::quarterOf(date.month());
    if (!app::quarterStartMonth(r.quarter))
        throw UsageError(QStringLiteral("--quarter must be first, second, third or fourth, not '%1'").arg(r.quarter));
    r.lines = line_.has(QStringLiteral("lines"));
    r.yearStart = yearStart;
    r.yearEnd = yearEnd;
    const Output o = output(QStringLiteral("quarterly"), true);
    const app::QuarterlyDocument doc = app::QuarterlyBuilder(conn(), stages()).build(r, statementCash(1));
    write(o, app::route(doc));
}

void ReportCommand::monthly(const QDate& yearStart, const QDate& yearEnd, int defaultMonth)
{
    allowOnly(QStringLiteral("monthly"), {QStringLiteral("month")});
    app::MonthlyRequest r;
    r.shops = chosenShops();
    r.month = int(line_.number(QStringLiteral("month"), defaultMonth, 1, 12));
    r.yearStart = yearStart;
    r.yearEnd = yearEnd;
    const Output o = output(QStringLiteral("monthly"), false);
    const app::MonthlyDocument doc = app::MonthlyBuilder(conn(), stages()).build(r, statementCash(std::nullopt));
    write(o, app::route(doc));
}

} // namespace pellam::cli
