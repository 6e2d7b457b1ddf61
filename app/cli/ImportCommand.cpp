#include "cli/ImportCommand.h"

#include "cli/ExitCode.h"
#include "data/VoucherImport.h"
#include "format/IndianNumberFormat.h"

#include <QFile>

namespace pellam::cli {

namespace {

QString counted(qsizetype count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString totals(const data::CheckedImport& checked)
{
    return QStringLiteral("receipts %1, payments %2")
        .arg(formatIndianAmount(checked.receipts, 0), formatIndianAmount(checked.payments, 0));
}

} // namespace

ImportCommand::ImportCommand(const CommandLine& line, db::Connection& conn, int cashAccNo,
                             const data::FinancialYear& year, QTextStream& out, QTextStream& err)
    : line_(line), conn_(conn), cashAccNo_(cashAccNo), year_(year), out_(out), err_(err)
{
}

void ImportCommand::run()
{
    const QString file = line_.file();
    QFile input(file);
    const auto unreadable = [&] {
        return CommandFailure(ExitCode::Failed, QStringLiteral("The file %1 cannot be read: %2").arg(file, input.errorString()));
    };
    if (!input.open(QIODevice::ReadOnly))
        throw unreadable();
    QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        throw unreadable();

    const std::optional<QString> user = data::voucherUser(conn_, {});
    data::VoucherImport import(conn_, cashAccNo_, year_.start, year_.end, *user);
    const data::CheckedImport checked = import.check(std::move(bytes), line_.has(QStringLiteral("allow-duplicates")));

    if (!checked.errors.isEmpty()) {
        out_.flush();
        for (const data::LineNote& error : std::as_const(checked.errors))
            err_ << file << ':' << error.line << ": " << error.message << Qt::endl;
        throw CommandFailure(ExitCode::Failed, QStringLiteral("%1 refused; nothing was imported from %2")
                                                   .arg(counted(checked.errors.size(), "row", "rows"), file));
    }
    for (const data::LineNote& duplicate : std::as_const(checked.duplicates))
        out_ << file << ':' << duplicate.line << ": " << duplicate.message << Qt::endl;
    const QString skipped = checked.duplicates.isEmpty()
                                ? QString()
                                : QStringLiteral("; %1 skipped")
                                      .arg(counted(checked.duplicates.size(), "duplicate", "duplicates"));
    const QString vouchers = counted(checked.vouchers.size(), "voucher", "vouchers");
    if (line_.has(QStringLiteral("dry-run"))) {
        out_ << QStringLiteral("Checked %1: %2%3; nothing was stored (--dry-run)")
                    .arg(vouchers, totals(checked), skipped)
             << Qt::endl;
        return;
    }
    if (checked.vouchers.isEmpty()) {
        out_ << QStringLiteral("Imported no vouchers%1").arg(skipped) << Qt::endl;
        return;
    }
    const data::JournalRange range = import.store(checked);
    out_ << QStringLiteral("Imported %1 (Jou. No. %2 to %3): %4%5")
                .arg(vouchers)
                .arg(range.first)
                .arg(range.last)
                .arg(totals(checked), skipped)
         << Qt::endl;
}

} // namespace pellam::cli
