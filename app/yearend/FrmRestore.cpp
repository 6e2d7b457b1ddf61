#include "yearend/FrmRestore.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/HelpKey.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "data/FinancialYear.h"
#include "dialogs/Dialogs.h"
#include "errors/PellamError.h"
#include "system/AppFolders.h"
#include "yearend/BackupCopy.h"
#include "yearend/BackupRestore.h"

#include <QFileInfo>
#include <QTimer>

namespace pellam::app {

namespace {

constexpr QChar CR(13);
const QString kKey = QStringLiteral("Software\\Pellam\\Coffer9.0");
const QString kBooksKept = QStringLiteral("Your books are as they were.");

} // namespace

FrmRestore::FrmRestore(QWidget* parent) : QDialog(parent), ui_(this, QStringLiteral("Create Temporary Datafile"))
{
    setObjectName(QStringLiteral("FrmRestore"));
    setWindowTitle(QStringLiteral("Restore Data"));
    setModal(true);
    connect(ui_.Timer1, &QTimer::timeout, this, &FrmRestore::Timer1_Timer);
    connect(ui_.TTime, &QTimer::timeout, this, &FrmRestore::TTime_Timer);
    HelpKey::attach(this, HelpContextID);
}

void FrmRestore::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Stat(QStringLiteral("Preparing to Restore the database"));
    ui_.Timer1->start();
}

void FrmRestore::Stat(const QString& text)
{
    ShowStatus(text);
    ui_.show(text);
}

void FrmRestore::TTime_Timer()
{
    ui_.tick();
}

void FrmRestore::Timer1_Timer()
{
    ui_.Timer1->stop();
    run();
    ui_.stopClock();
    Stat(QString());
    if (succeeded_)
        accept();
    else
        reject();
}

QString FrmRestore::chooseBackup(const QString& folder)
{
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = QStringLiteral("Choose the Backup File to Restore");
    request.folder = QFileInfo(folder).isDir() ? folder : AppFolders::backup();
    request.filter = QStringLiteral("Backups (*.bak);;All files (*)");
    const auto chosen = dialogs().file(request);
    return chosen ? chosen->trimmed() : QString();
}

// Replacing the books cannot be undone from this window, so the user sees
// what the chosen file holds and says yes to it; No is the default.
bool FrmRestore::confirmReplace(const yearend::BackupSummary& backup)
{
    const AppState& s = state();
    const QString year = data::FinancialYear{s.YearStart, s.YearEnd}.label();
    QString text = backup.belongsToYear
                       ? QStringLiteral("The backup %1 holds the books of the financial year %2:").arg(backup.file, year)
                       : QStringLiteral("The backup %1 may not hold the books of the financial year %2:").arg(backup.file, year);
    text += CR + yearend::contentsText(backup) + QLatin1Char('.');
    if (!backup.belongsToYear && backup.year.isValid())
        text += CR + QStringLiteral("Its vouchers belong to the financial year %1.").arg(backup.year.label());
    text += QString(CR) + CR + QStringLiteral("Restore it in place of the books of %1?").arg(year);
    // No is the answer Enter gives: replacing the books is never the default.
    return say(text, MessageIcon::Question, MessageButtons::YesNo, {}, 1) == MessageAnswer::Yes;
}

void FrmRestore::run()
{
    AppState& s = state();
    const data::FinancialYear year{s.YearStart, s.YearEnd};
    const QString folder = yearend::backupFolder(
        s.Util.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, kKey, QStringLiteral("bak")), AppFolders::home(), s.AppKey, year);
    Stat(QStringLiteral("Getting Backup Location"));
    const QString file = chooseBackup(folder);
    if (file.isEmpty())
        return;

    ui_.startClock();
    yearend::BackupRestore restore(s.Conn, s.DbFile, year, folder, [this](const QString& text) {
        Stat(text);
        TTime_Timer();
    });
    try {
        const yearend::BackupSummary backup = restore.prepare(file);
        if (!confirmReplace(backup)) {
            Stat(QStringLiteral("Nothing was restored"));
            return;
        }
        Stat(QStringLiteral("Closing Databses,Tables,open windows ...."));
        closeChildWindows();
        const yearend::RestoreResult result = restore.restore();
        s.rememberCashAccount(result.cash);
        Stat(QStringLiteral("The books are restored"));
        QString text = QStringLiteral("The books were restored from %1:").arg(backup.file) + CR + yearend::contentsText(backup) +
                       QLatin1Char('.') + CR + CR +
                       QStringLiteral("The books as they were before are kept in %1").arg(result.safetyCopy);
        if (result.upgraded)
            text += CR + QStringLiteral("The backup came from an older version and was upgraded.");
        say(text, MessageIcon::Information);
        succeeded_ = true;
    } catch (const PellamError& e) {
        Connection();
        say(restore.booksIntact() ? e.Description() + CR + CR + kBooksKept : e.Description(), MessageIcon::Critical);
    }
}

} // namespace pellam::app
