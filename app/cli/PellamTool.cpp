#include "cli/PellamTool.h"

#include "cli/BooksCheck.h"
#include "cli/CarryForwardCommand.h"
#include "cli/CommandProgress.h"
#include "cli/ExitCode.h"
#include "cli/ImportCommand.h"
#include "cli/ReportCommand.h"
#include "cli/VoucherCommand.h"
#include "core/AppState.h"
#include "core/InstallationSlot.h"
#include "core/ReportCancelled.h"
#include "data/BooksLock.h"
#include "data/CarriedBalances.h"
#include "data/CashAccount.h"
#include "data/DemoBooks.h"
#include "data/StartupChecks.h"
#include "data/YearBooks.h"
#include "database/Connection.h"
#include "errors/PellamError.h"
#include "format/DateText.h"
#include "system/AppFolders.h"
#include "yearend/BackupCopy.h"
#include "yearend/BackupRestore.h"
#include "yearend/BackupSchedule.h"
#include "yearend/YearClosing.h"

#include <QDir>
#include <QFileInfo>

namespace pellam::cli {

namespace {

void prepareFolders(const QString& appFolder)
{
    for (const char* sub : {"", "Temp", "BackUp", "Data"})
        if (!QDir().mkpath(QDir(appFolder).filePath(QLatin1String(sub))))
            throw CommandFailure(ExitCode::CannotWrite,
                                 QStringLiteral("Cannot create the folder %1.").arg(QDir(appFolder).filePath(QLatin1String(sub))));
}

// A file that is no database, or a database that holds no year's books, is
// refused before a command reads or copies it, so that a script can tell
// damaged books from a failure on the way; so are books without a cash
// account where the command needs one. The look changes nothing of the
// file, so a refused file is left exactly as it was.
void refuseDamagedBooks(const QString& file, bool needsCash)
{
    db::Connection probe;
    try {
        probe.OpenUntouched(file);
    } catch (const PellamError& e) {
        throw CommandFailure(ExitCode::DamagedBooks, QStringLiteral("The file %1 cannot be read: %2").arg(file, e.Description()));
    }
    try {
        data::requireYearBooks(probe);
        if (needsCash && !data::cashAccount(probe))
            throw noCashAccount(file);
    } catch (const PellamError& e) {
        throw CommandFailure(ExitCode::DamagedBooks, e.Description());
    }
}

// The one line a failure prints, after whatever the command printed before.
int fail(QTextStream& out, QTextStream& err, const QString& message, ExitCode code)
{
    out.flush();
    err << "pellam: " << message << Qt::endl;
    return int(code);
}

} // namespace

PellamTool::PellamTool(QTextStream& out, QTextStream& err, QDateTime now) : out_(out), err_(err), now_(std::move(now))
{
    input_.prompt = &err_;
}

void PellamTool::actAs(const QString& books, const CommandLine& line, data::Action action)
{
    requireRight(identifyUser(books, line, input_, util_), action);
}

int PellamTool::run(const QStringList& arguments)
{
    try {
        const CommandLine line = CommandLine::parse(arguments);
        if (line.command() == QLatin1String("help")) {
            out_ << CommandLine::usage();
            return int(ExitCode::Done);
        }
        appFolder_ = QDir(line.home().isEmpty() ? AppFolders::home() : line.home()).absolutePath();
        if (line.command() == QLatin1String("init"))
            init(line);
        else if (line.command() == QLatin1String("check"))
            check(line);
        else if (line.command() == QLatin1String("backup"))
            backup(line);
        else if (line.command() == QLatin1String("restore"))
            restore(line);
        else if (line.command() == QLatin1String("close-year"))
            closeYear(line);
        else if (line.command() == QLatin1String("report"))
            report(line);
        else if (line.command() == QLatin1String("voucher"))
            voucher(line);
        else if (line.command() == QLatin1String("import"))
            importVouchers(line);
        else if (line.command() == QLatin1String("carry-forward"))
            carryForward(line);
        else if (line.command() == QLatin1String("lock"))
            lock(line);
        else
            demo(line);
        out_.flush();
        // What went to the terminal may have gone to a file (pellam report
        // > ledger.txt) on a disk that filled up.
        if (out_.status() != QTextStream::Ok)
            throw CommandFailure(ExitCode::CannotWrite,
                                 QStringLiteral("The output cannot be written: %1")
                                     .arg(out_.device() ? out_.device()->errorString() : QString()));
        return int(ExitCode::Done);
    } catch (const CommandFailure& e) {
        return fail(out_, err_, e.message(), e.code());
    } catch (const PellamError& e) {
        return fail(out_, err_, e.Description(), ExitCode::Failed);
    } catch (const std::exception& e) {
        return fail(out_, err_, QString::fromLocal8Bit(e.what()), ExitCode::Failed);
    }
}

data::FinancialYear PellamTool::yearOption(const CommandLine& line) const
{
    const int thisYear = data::FinancialYear::containing(now_.date()).start.year();
    return data::FinancialYear::beginningIn(int(line.number(QStringLiteral("year"), thisYear, 1901, 9998)));
}

data::FinancialYear PellamTool::dateOption(const CommandLine& line) const
{
    return data::FinancialYear::containing(line.date(QStringLiteral("date"), now_.date()));
}

QString PellamTool::existingBooks(const data::FinancialYear& year) const
{
    const QString books = data::yearDatabasePath(QDir(appFolder_).filePath(QStringLiteral("Data")), year);
    if (!QFileInfo::exists(books))
        throw CommandFailure(ExitCode::NoBooks,
                             QStringLiteral("No books exist for the financial year %1 (%2).").arg(year.label(), books));
    return books;
}

QString PellamTool::readableBooks(const data::FinancialYear& year, Needs needs) const
{
    const QString books = existingBooks(year);
    refuseDamagedBooks(books, needs == Needs::BooksWithCash);
    return books;
}

QString PellamTool::newBooks(const data::FinancialYear& year) const
{
    prepareFolders(appFolder_);
    data::ensureTemplate(appFolder_);
    const QString books = data::yearDatabasePath(QDir(appFolder_).filePath(QStringLiteral("Data")), year);
    if (QFileInfo::exists(books))
        throw CommandFailure(ExitCode::BooksExist,
                             QStringLiteral("The books for the financial year %1 already exist (%2).").arg(year.label(), books));
    return books;
}

QString PellamTool::backupFolder(const data::FinancialYear& year, const QString& appKey) const
{
    const QString bak = util_.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, startup::kInstallationKey, QStringLiteral("bak"));
    const QString folder = yearend::backupFolder(bak, appFolder_, appKey, year);
    yearend::createBackupFolder(folder);
    return folder;
}

QString PellamTool::backUp(const QString& books, const data::FinancialYear& year, const QString& target) const
{
    prepareFolders(appFolder_);
    const QString appKey = startup::installationSlot(util_, appFolder_);
    const QString file = target.isEmpty() ? QDir(backupFolder(year, appKey)).filePath(yearend::backupFileName(now_, year)) : target;
    for (const QString& line : yearend::removeUnfinishedBackups(QFileInfo(file).absolutePath()))
        out_ << line << Qt::endl;
    yearend::backUpYearDatabase(books, file);
    startup::recordBackup(util_, appKey, now_.date());
    return file;
}

void PellamTool::init(const CommandLine& line)
{
    const data::FinancialYear year = yearOption(line);
    const QString books = newBooks(year);
    data::createYearBooks(books);
    out_ << "Created the books for " << year.label() << ": " << books << Qt::endl;
}

void PellamTool::demo(const CommandLine& line)
{
    const data::FinancialYear year = yearOption(line);
    data::DemoOptions options;
    options.institutions = int(line.number(QStringLiteral("institutions"), options.institutions, 1, 9999));
    options.heads = int(line.number(QStringLiteral("heads"), options.heads, 1, 30000));
    options.vouchers = int(line.number(QStringLiteral("vouchers"), options.vouchers, 0, 50000000));
    options.seed = quint64(line.number(QStringLiteral("seed"), qint64(options.seed), 0, std::numeric_limits<qint64>::max()));
    const QString books = newBooks(year);
    data::createDemoBooks(books, year, options);
    out_ << "Created sample books for " << year.label() << ": " << books << Qt::endl
         << options.institutions << " institutions, " << options.heads << " ledger heads, " << options.vouchers
         << " vouchers" << Qt::endl;
}

void PellamTool::backup(const CommandLine& line)
{
    const data::FinancialYear year = dateOption(line);
    // A backup without a cash account is one that no restore takes.
    const QString books = readableBooks(year, Needs::BooksWithCash);
    actAs(books, line, data::Action::BackUp);
    BooksCheck(books, year, out_).convertPasswords();
    QString target = line.text(QStringLiteral("to"));
    if (!target.isEmpty())
        target = QFileInfo(target).absoluteFilePath();
    const QString copy = backUp(books, year, target);
    out_ << "Backed up the books for " << year.label() << " to " << copy << Qt::endl;
}

void PellamTool::check(const CommandLine& line)
{
    const data::FinancialYear year = dateOption(line);
    const QString books = readableBooks(year, Needs::BooksWithCash);
    actAs(books, line, data::Action::CheckBooks);
    out_ << "Checking the books for " << year.label() << ": " << books << Qt::endl;
    BooksCheck checkBooks(books, year, out_);
    checkBooks.verifyCashAccount();
    if (checkBooks.needsUpgrade()) {
        checkBooks.close();
        const QString copy = backUp(books, year);
        out_ << "The books need an upgrade; backed up first to " << copy << Qt::endl;
        checkBooks.reopen();
        checkBooks.upgrade();
    }
    checkBooks.verifyAndRepair();
}

void PellamTool::closeYear(const CommandLine& line)
{
    const data::FinancialYear year = dateOption(line);
    const QString books = readableBooks(year);
    actAs(books, line, data::Action::CloseYear);
    prepareFolders(appFolder_);
    yearend::YearClosing closing(appFolder_, books, year);
    closing.setCarryForward(!line.has(QStringLiteral("zero-openings")));
    if (closing.newBooksExist() && !line.has(QStringLiteral("yes")))
        throw CommandFailure(ExitCode::BooksExist, QStringLiteral("The books for the financial year %1 already exist (%2); --yes "
                                                                  "replaces them, keeping a copy.")
                                                       .arg(closing.newYear().label(), closing.newBooks()));
    yearend::YearClosing::Reporter reporter;
    reporter.log = [this](const QString& text) { out_ << text << Qt::endl; };
    const QString safetyCopy = closing.run(line.has(QStringLiteral("yes")), reporter, now_);
    if (!safetyCopy.isEmpty())
        out_ << "The books that were there are kept in " << safetyCopy << Qt::endl;
    out_ << "Created the books for " << closing.newYear().label() << ": " << closing.newBooks() << Qt::endl;
}

void PellamTool::restore(const CommandLine& line)
{
    const data::FinancialYear year = dateOption(line);
    // Damaged books are what a restore mends: they need only exist.
    const QString books = existingBooks(year);
    // Books too damaged to name their users are what a restore mends;
    // whoever can reach such a file could replace it anyway.
    bool damaged = false;
    try {
        refuseDamagedBooks(books, false);
    } catch (const CommandFailure&) {
        damaged = true;
    }
    if (!damaged)
        actAs(books, line, data::Action::Restore);
    const QString backup = QFileInfo(line.file()).absoluteFilePath();
    prepareFolders(appFolder_);
    db::Connection conn;
    yearend::BackupRestore restorer(conn, books, year, backupFolder(year, startup::installationSlot(util_, appFolder_)));
    yearend::BackupSummary summary;
    try {
        summary = restorer.prepare(backup);
    } catch (const PellamError& e) {
        // Preparing is the backup's check: what it refuses is no sound backup.
        throw CommandFailure(ExitCode::DamagedBooks, e.Description());
    }
    if (!summary.belongsToYear && !line.has(QStringLiteral("yes")))
        throw CommandFailure(ExitCode::OtherYearsBackup,
                             QStringLiteral("The backup %1 may not hold the books of the financial year %2 (%3); --yes "
                                            "restores it anyway.")
                                 .arg(backup, year.label(), yearend::contentsText(summary)));
    const yearend::RestoreResult result = restorer.restore(now_);
    out_ << "Restored the books for " << year.label() << " from " << backup << ": " << yearend::contentsText(summary)
         << Qt::endl
         << "The books as they were before are kept in " << result.safetyCopy << Qt::endl;
    if (result.upgraded)
        out_ << "The backup came from an older version and was upgraded." << Qt::endl;
}

void PellamTool::report(const CommandLine& line)
{
    const data::FinancialYear year = dateOption(line);
    const QString books = readableBooks(year);
    actAs(books, line, data::Action::ReadBooks);
    db::Connection& conn = app::state().Conn;
    conn.Close();
    // Reports only read: the books are opened without changing a byte.
    conn.OpenHeld(books, true);
    struct CloseAtEnd {
        db::Connection& c;
        ~CloseAtEnd() { c.Close(); }
    } closeAtEnd{conn};
    requireReadableVouchers(conn, year);
    const QString report = line.subject();
    const bool toFile = line.has(QStringLiteral("out"));
    // A report on the terminal would tear through the progress line.
    CommandProgress progress(report, isTerminal(err_) && (toFile || !isTerminal(out_)), err_);
    ReportCommand command(line, out_, progress.callback());
    try {
        if (report == QLatin1String("ledger"))
            command.ledger(year.start, year.end);
        else if (report == QLatin1String("recpay"))
            command.recpay(year.start, year.end);
        else if (report == QLatin1String("summary"))
            command.summary(year.start, year.end);
        else if (report == QLatin1String("monthly"))
            command.monthly(year.start, year.end, line.date(QStringLiteral("date"), now_.date()).month());
        else if (report == QLatin1String("quarterly"))
            command.quarterly(year.start, year.end, line.date(QStringLiteral("date"), now_.date()));
    } catch (const app::ReportCancelled&) {
        throw CommandFailure(ExitCode::Cancelled,
                             toFile ? QStringLiteral("The report was cancelled; nothing was written to %1")
                                          .arg(line.text(QStringLiteral("out")))
                                    : QStringLiteral("The report was cancelled"));
    }
}

int PellamTool::openForVouchers(const data::FinancialYear& year, db::Connection& conn, const CommandLine& line,
                                data::Action action)
{
    const QString books = readableBooks(year, Needs::BooksWithCash);
    actAs(books, line, action);
    conn.OpenHeld(books);
    data::addMissingTables(conn);
    const std::optional<data::CashAccount> cash = data::cashAccount(conn);
    if (!cash)
        throw CommandFailure(ExitCode::DamagedBooks, noCashAccount(books).Description());
    return cash->accno;
}

void PellamTool::voucher(const CommandLine& line)
{
    // The open year is that of --year, else this one, as a login opens it:
    // a voucher dated outside it is refused as the window refuses it.
    const data::FinancialYear year = yearOption(line);
    const bool reads = line.subject() == QLatin1String("show") || line.subject() == QLatin1String("list");
    db::Connection conn;
    const int cashAccNo =
        openForVouchers(year, conn, line, reads ? data::Action::ReadBooks : data::Action::SaveVouchers);
    VoucherCommand(line, conn, cashAccNo, year, out_).run();
}

void PellamTool::importVouchers(const CommandLine& line)
{
    ImportCommand::checkUsage(line);
    const data::FinancialYear year = yearOption(line);
    db::Connection conn;
    const int cashAccNo = openForVouchers(year, conn, line, ImportCommand::action(line));
    ImportCommand(line, conn, cashAccNo, year, out_, err_).run();
}

void PellamTool::carryForward(const CommandLine& line)
{
    const data::FinancialYear year = dateOption(line);
    const QString dataFolder = QDir(appFolder_).filePath(QStringLiteral("Data"));
    const data::FinancialYear oldYear = data::FinancialYear::beginningIn(year.start.year() - 1);
    const std::optional<QString> oldFile = data::previousYearBooks(dataFolder, year);
    if (!oldFile)
        throw CommandFailure(ExitCode::NoBooks, QStringLiteral("No books exist for the financial year %1 (%2) to carry "
                                                               "the balances from.")
                                                    .arg(oldYear.label(), data::yearDatabasePath(dataFolder, oldYear)));
    refuseDamagedBooks(*oldFile, true);
    db::Connection conn;
    const int cashAccNo = openForVouchers(
        year, conn, line, line.subject() == QLatin1String("check") ? data::Action::ReadBooks : data::Action::ChangeMasters);
    db::Connection old;
    old.Open(*oldFile, true, 5000, true);
    CarryForwardCommand(line, conn, cashAccNo, old, year, out_).run();
}

void PellamTool::lock(const CommandLine& line)
{
    const int given = int(line.has(QStringLiteral("until"))) + int(line.has(QStringLiteral("show"))) +
                      int(line.has(QStringLiteral("clear")));
    if (given != 1)
        throw UsageError(QStringLiteral("lock needs one of --until D, --show, --clear"));
    const data::FinancialYear year = dateOption(line);
    const std::optional<QDate> until =
        line.has(QStringLiteral("until")) ? std::optional(line.date(QStringLiteral("until"), {})) : std::nullopt;
    if (until)
        if (const std::optional<QString> refusal = data::BooksLock::dateRefusal(*until, year))
            throw UsageError(*refusal);
    const QString books = readableBooks(year, Needs::BooksWithCash);
    const ActingUser user = identifyUser(books, line, input_, util_);
    requireRight(user, line.has(QStringLiteral("show")) ? data::Action::ReadBooks : data::Action::SetLockDates);
    db::Connection conn;
    conn.OpenHeld(books);
    data::addMissingTables(conn);
    data::BooksLock lock(conn);
    if (!line.has(QStringLiteral("show")) && lock.movesBack(until))
        requireRight(user, data::Action::MoveLockDateBack);
    if (until) {
        lock.lockUntil(*until);
        out_ << QStringLiteral("Locked the books of %1 up to %2").arg(year.label(), datetext::format(*until)) << Qt::endl;
    } else if (line.has(QStringLiteral("clear"))) {
        lock.clear();
        out_ << QStringLiteral("The books of %1 are no longer locked").arg(year.label()) << Qt::endl;
    } else if (const std::optional<QDate> locked = lock.lockedUntil()) {
        out_ << QStringLiteral("The books of %1 are locked up to %2").arg(year.label(), datetext::format(*locked))
             << Qt::endl;
    } else {
        out_ << QStringLiteral("The books of %1 are not locked").arg(year.label()) << Qt::endl;
    }
}

} // namespace pellam::cli
