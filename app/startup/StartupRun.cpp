#include "startup/StartupRun.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/InstallationSlot.h"
#include "core/Say.h"
#include "data/CashAccount.h"
#include "data/FinancialYear.h"
#include "data/PasswordConversion.h"
#include "data/StartupChecks.h"
#include "data/UnreadableVouchers.h"
#include "data/YearBooks.h"
#include "errors/PellamError.h"
#include "format/DateText.h"
#include "shell/SettingsFile.h"
#include "system/AppFolders.h"
#include "yearend/BackupSchedule.h"

#include <QDir>
#include <QFileInfo>

namespace pellam::app {

namespace {

constexpr QChar CR(13);
const QString kModule = QStringLiteral("splash");

void deleteTmpFiles(const QString& folder)
{
    QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.tmp")}, QDir::Files))
        dir.remove(name);
}

// Runs a checking step; whatever the error reporter answers but "retry",
// start-up goes on with the next step.
void step(const std::function<void()>& action)
{
    runStep(action, QStringLiteral("Form_Load"), kModule);
}

void sayNoCashAccount()
{
    say(QStringLiteral("Unable to continue......") + CR + CR + QStringLiteral("Cash Account is not found....  ") + CR + CR +
        QStringLiteral("Please Contact the System Administrator  "));
}

// A file of the year's name that is damaged, empty or something else
// entirely is named plainly, instead of failing later on a missing table;
// books without a cash account end the program as the check after the
// connection would. The look changes nothing of the file, and a refused
// file is never opened for writing, so it is left exactly as it was.
bool holdsYearBooks(const QString& file)
{
    bool cash = false;
    try {
        db::Connection probe;
        probe.OpenUntouched(file);
        data::requireYearBooks(probe);
        cash = data::cashAccount(probe).has_value();
    } catch (const PellamError& e) {
        say(QStringLiteral("       Invalid Database or Date..... ") + CR + CR + QStringLiteral("The file ") +
                QDir::toNativeSeparators(file) + QStringLiteral(" does not hold the books of a financial year.") + CR +
                e.Description(),
            MessageIcon::Critical);
        return false;
    }
    if (!cash)
        sayNoCashAccount();
    return cash;
}

} // namespace

QString storedApplicationTitle()
{
    return SettingsFile(state().Util, AppFolders::home()).title().value_or(QString());
}

bool StartupRun::prepare()
{
    AppState& s = state();
    status(QStringLiteral("Check Available Objects"));
    status(QStringLiteral("Testing Pellam Utility - Objects Availability"));
    status(QStringLiteral("Testing File System  - Objects Availability"));
    status(QStringLiteral("Testing MS Access  - Objects Availability"));
    s.AccessAvailable = true; // copies are made by the database engine itself
    status(QStringLiteral("Testing MS Excel  - Objects Availability"));
    s.ExcelAvailable = true;  // workbooks are written by the program itself
    status(QStringLiteral("Creating  Objects"));

    status(QStringLiteral("Loading Temporary Files Information"));
    const QString home = AppFolders::home();
    for (const QString& folder : {AppFolders::temp(), AppFolders::backup(), AppFolders::data()})
        QDir().mkpath(folder);
    deleteTmpFiles(AppFolders::temp());
    deleteTmpFiles(home);
    s.TempDir = AppFolders::temp() + QLatin1Char('/');

    // The program reads and writes day/month/year itself, so the desktop's
    // own date format cannot get in the way; the check guards our formatter.
    status(QStringLiteral("Checking Date Format..."));
    if (!data::dateFormatIsDayMonthYear(QDate::currentDate())) {
        say(QStringLiteral("Invalid Date Format...  Set Date Format to 'dd/mm/yyyy'") + CR + CR +
                QStringLiteral("Use Regional Settings in Conntrol Panel to Change The Format"),
            MessageIcon::Critical);
        return false;
    }

    s.Util.setUserName(QStringLiteral("0"));
    status(QStringLiteral("Loading Help Information"));
    s.HelpFile = AppFolders::help();
    status(QStringLiteral("Loading  Application Information"));
    s.ErrorLog = QDir(home).filePath(QStringLiteral("error.log"));
    s.Util.setErrorLogFile(s.ErrorLog);
    status(QStringLiteral("Get System Date"));
    return true;
}

StartupRun::Outcome StartupRun::openBooks(const QDate& workingDate)
{
    AppState& s = state();
    status(QStringLiteral("Loading Application Information"));
    status(QStringLiteral("Loading Database    Details"));
    const data::FinancialYear year = data::FinancialYear::containing(workingDate);
    s.YearStart = year.start;
    s.YearEnd = year.end;
    s.DbFile = data::yearDatabasePath(AppFolders::data(), year);
    status(QStringLiteral("Loading Databases Information"));
    if (!findBooks(year.label()))
        return Outcome::EndProgram;

    step([&] { s.AppKey = startup::installationSlot(s.Util, QFileInfo(AppFolders::home()).canonicalFilePath()); });
    step([&] { startup::recordStart(s.Util, s.AppKey, QDate::currentDate()); });
    status(QStringLiteral("Checking Backup Details"));
    if (startup::backupDue(s.Util, s.AppKey, QDate::currentDate()))
        view_.runAutomaticBackup();

    status(QStringLiteral("Connecting to database"));
    if (!Connection())
        return Outcome::EndProgram;

    status(QStringLiteral("Verifying Cash Account"));
    std::optional<data::CashAccount> cash;
    step([&] { cash = data::verifyCashAccount(s.Conn); });
    if (!cash) {
        sayNoCashAccount();
        return Outcome::EndProgram;
    }
    s.rememberCashAccount(*cash);

    data::SchemaVersion version = data::SchemaVersion::Current;
    step([&] { version = data::schemaVersion(s.Conn); });
    if (version != data::SchemaVersion::Current) {
        if (version == data::SchemaVersion::Old)
            say(QStringLiteral("This Accounting Program require to update the database, the database may be the older "
                               "version of the Pellam Accounts"));
        say(QStringLiteral("The Database update is required !!!!......."));
        upgrade();
        say(QStringLiteral("Updating database is complete please Run the program again"));
        return Outcome::EndProgram;
    }
    step([&] { data::addMissingTables(s.Conn); });

    verifyBooks();
    return Outcome::Ready;
}

bool StartupRun::findBooks(const QString& yearLabel)
{
    AppState& s = state();
    if (QFileInfo::exists(s.DbFile))
        return holdsYearBooks(s.DbFile);
    if (data::hasAnyYearBooks(AppFolders::data())) {
        say(QStringLiteral("       Invalid Database or Date..... ") + CR + CR +
                QStringLiteral("Database is not Created for the Financial Year"),
            MessageIcon::Critical);
        return false;
    }
    // A first run: nothing to open yet, so offer to make this year's books.
    if (say(QStringLiteral("No books exist yet. Create the books for the financial year %1?").arg(yearLabel),
            MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    try {
        data::ensureTemplate(AppFolders::home());
        data::createYearBooks(s.DbFile);
    } catch (const PellamError& e) {
        say(QStringLiteral("The books could not be created.") + CR + e.Description(), MessageIcon::Critical);
        return false;
    }
    return true;
}

void StartupRun::upgrade()
{
    status(QStringLiteral("Updation in progress...."));
    view_.setUpgradeText(QStringLiteral("Upgrading Database is in Progress!!! Backup Database"));
    view_.runAutomaticBackup();
    Connection();
    view_.setUpgradeText(QStringLiteral("Upgrading Database is in Progress!!! Creating Table shopacc"));
    step([] { data::upgradeDatabase(state().Conn); });
    view_.setUpgradeText(QStringLiteral("Upgrading Database is in Progress!!! Saving Update info"));
}

void StartupRun::verifyBooks()
{
    AppState& s = state();
    status(QStringLiteral("Verifying Company"));
    bool institutions = true;
    step([&] { institutions = data::hasInstitutions(s.Conn); });
    if (!institutions)
        say(QStringLiteral("There may be some errors in the application"), MessageIcon::Information);

    status(QStringLiteral("Verifying Transactions"));
    bool unknownHeads = false;
    step([&] { unknownHeads = data::hasVouchersWithUnknownHeads(s.Conn); });
    if (unknownHeads)
        say(QStringLiteral("Error!!!! in Transaction ....  ") + CR + CR +
            QStringLiteral("Please Contact the System Administrator  "));
    // Vouchers the reports would read differently are named now, not first
    // when a report refuses them.
    data::UnreadableVouchers unreadable;
    step([&] { unreadable = data::findUnreadableVouchers(s.Conn, {s.YearStart, s.YearEnd}); });
    if (!unreadable.isEmpty())
        say(unreadable.message(), MessageIcon::Critical);

    status(QStringLiteral("Verifying Company Settings"));
    step([&] { data::repairHeadsInUse(s.Conn, s.CashAccNo); });

    status(QStringLiteral("Verifying Opening Settings"));
    data::OpeningRepair openings;
    step([&] { openings = data::repairOpenings(s.Conn, s.CashAccNo); });
    if (openings.cashOpeningReset)
        say(QStringLiteral("The opening Amount may be changed......."), MessageIcon::Information);

    // Passwords scrambled by older versions become hashes before anyone logs in.
    status(QStringLiteral("Verifying Users"));
    data::ConvertedPasswords passwords;
    step([&] { passwords = data::convertScrambledPasswords(s.Conn, s.Util); });
    for (const QString& userid : passwords.unreadable)
        say(data::unreadablePasswordNotice(userid), MessageIcon::Exclamation);
    if (passwords.leftInFile)
        say(passwords.leftInFile->Description(), MessageIcon::Exclamation);
}

} // namespace pellam::app
