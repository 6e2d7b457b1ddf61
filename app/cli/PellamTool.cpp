#include "cli/PellamTool.h"

#include "cli/BooksCheck.h"
#include "cli/ReportCommand.h"
#include "core/AppState.h"
#include "core/InstallationSlot.h"
#include "data/DemoBooks.h"
#include "data/UnreadableVouchers.h"
#include "data/YearBooks.h"
#include "database/Connection.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "system/AppFolders.h"
#include "yearend/BackupCopy.h"
#include "yearend/BackupRestore.h"
#include "yearend/BackupSchedule.h"
#include "yearend/YearClosing.h"

#include <QDir>
#include <QFileInfo>

namespace pellam::cli {

namespace {

constexpr int kDone = 0, kFailed = 1, kCalledWrongly = 2;

void prepareFolders(const QString& appFolder)
{
    for (const char* sub : {"", "Temp", "BackUp", "Data"})
        if (!QDir().mkpath(QDir(appFolder).filePath(QLatin1String(sub))))
            throw PellamError(PathNotFound, QStringLiteral("Cannot create the folder %1.").arg(QDir(appFolder).filePath(QLatin1String(sub))));
}

} // namespace

PellamTool::PellamTool(QTextStream& out, QTextStream& err, QDateTime now) : out_(out), err_(err), now_(std::move(now)) {}

int PellamTool::run(const QStringList& arguments)
{
    try {
        const CommandLine line = CommandLine::parse(arguments);
        if (line.command() == QLatin1String("help")) {
            out_ << CommandLine::usage();
            return kDone;
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
        else
            demo(line);
        out_.flush();
        return kDone;
    } catch (const UsageError& e) {
        out_.flush();
        err_ << "pellam: " << e.message() << Qt::endl;
        return kCalledWrongly;
    } catch (const PellamError& e) {
        out_.flush();
        err_ << "pellam: error " << e.Number() << ": " << e.Description() << Qt::endl;
        return kFailed;
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
        throw PellamError(FileNotFound, QStringLiteral("No books exist for the financial year %1 (%2).").arg(year.label(), books));
    return books;
}

QString PellamTool::newBooks(const data::FinancialYear& year) const
{
    prepareFolders(appFolder_);
    data::ensureTemplate(appFolder_);
    const QString books = data::yearDatabasePath(QDir(appFolder_).filePath(QStringLiteral("Data")), year);
    if (QFileInfo::exists(books))
        throw PellamError(FileExists, QStringLiteral("The books for the financial year %1 already exist (%2).").arg(year.label(), books));
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
    yearend::copyYearDatabase(books, file);
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
    const QString books = existingBooks(year);
    QString target = line.text(QStringLiteral("to"));
    if (!target.isEmpty())
        target = QFileInfo(target).absoluteFilePath();
    out_ << "Backed up the books for " << year.label() << " to " << backUp(books, year, target) << Qt::endl;
}

void PellamTool::check(const CommandLine& line)
{
    const data::FinancialYear year = dateOption(line);
    const QString books = existingBooks(year);
    out_ << "Checking the books for " << year.label() << ": " << books << Qt::endl;
    BooksCheck checkBooks(books, year, out_);
    checkBooks.verifyCashAccount();
    if (checkBooks.needsUpgrade()) {
        checkBooks.close();
        out_ << "The books need an upgrade; backed up first to " << backUp(books, year) << Qt::endl;
        checkBooks.reopen();
        checkBooks.upgrade();
    }
    checkBooks.verifyAndRepair();
}

void PellamTool::closeYear(const CommandLine& line)
{
    const data::FinancialYear year = dateOption(line);
    const QString books = existingBooks(year);
    prepareFolders(appFolder_);
    yearend::YearClosing closing(appFolder_, books, year);
    if (closing.newBooksExist() && !line.has(QStringLiteral("yes")))
        throw PellamError(FileExists, QStringLiteral("The books for the financial year %1 already exist (%2); --yes replaces them, "
                                             "keeping a copy.")
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
    const QString books = existingBooks(year);
    const QString backup = QFileInfo(line.file()).absoluteFilePath();
    prepareFolders(appFolder_);
    db::Connection conn;
    yearend::BackupRestore restorer(conn, books, year, backupFolder(year, startup::installationSlot(util_, appFolder_)));
    const yearend::BackupSummary summary = restorer.prepare(backup);
    if (!summary.belongsToYear && !line.has(QStringLiteral("yes")))
        throw PellamError(TypeMismatch, QStringLiteral("The backup %1 may not hold the books of the financial year %2 (%3); --yes "
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
    const QString books = existingBooks(year);
    db::Connection& conn = app::state().Conn;
    conn.Close();
    // Reports only read: the books are opened without changing a byte.
    conn.Open(books, true, 5000, true);
    struct CloseAtEnd {
        db::Connection& c;
        ~CloseAtEnd() { c.Close(); }
    } closeAtEnd{conn};
    data::requireReadableBooks(conn, year);
    ReportCommand command(line, out_);
    const QString report = line.subject();
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
}

} // namespace pellam::cli
