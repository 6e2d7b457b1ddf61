#include "yearend/FrmBackUp.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "data/FinancialYear.h"
#include "dialogs/Dialogs.h"
#include "errors/PellamError.h"
#include "system/AppFolders.h"
#include "yearend/BackupCopy.h"
#include "yearend/BackupSchedule.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace pellam::app {

namespace {

const QString kKey = QStringLiteral("Software\\Pellam\\Coffer9.0");

} // namespace

FrmBackUp::FrmBackUp(QWidget* parent) : QDialog(parent), ui_(this, QString())
{
    setObjectName(QStringLiteral("FrmBackUp"));
    setWindowTitle(QStringLiteral("Back Up Data"));
    setModal(true);
    connect(ui_.Timer1, &QTimer::timeout, this, &FrmBackUp::Timer1_Timer);
    connect(ui_.TTime, &QTimer::timeout, this, &FrmBackUp::TTime_Timer);
}

void FrmBackUp::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Stat(QStringLiteral("Preparing to Backup the database"));
    ui_.Timer1->start();
}

void FrmBackUp::Stat(const QString& text)
{
    if (!Automate)
        ShowStatus(text);
    ui_.show(text);
}

void FrmBackUp::TTime_Timer()
{
    ui_.tick();
}

void FrmBackUp::Timer1_Timer()
{
    ui_.Timer1->stop();
    if (run())
        accept();
}

bool FrmBackUp::run()
{
    AppState& s = state();
    const data::FinancialYear year{s.YearStart, s.YearEnd};
    Stat(QStringLiteral("Closing Databses,Tables,open windows ...."));
    closeChildWindows();

    QString folder;
    const auto attempt = [this](const std::function<void()>& step) {
        return runStep(step, objectName(), QStringLiteral("BAckup"));
    };
    if (attempt([&] {
            folder = yearend::backupFolder(s.Util.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, kKey, QStringLiteral("bak")).trimmed(),
                                           AppFolders::home(), s.AppKey, year);
            yearend::createBackupFolder(folder);
        }) == StepResult::Abandoned)
        return false;

    Stat(QStringLiteral("Getting Backup Location"));
    const QString proposed = yearend::backupFileName(QDateTime::currentDateTime(), year);
    backupFile_ = QDir(folder).filePath(proposed);
    if (!Automate) {
        FileRequest request;
        request.mode = FileRequest::Mode::Save;
        request.title = QStringLiteral("Specifies the Backup File");
        request.folder = folder;
        request.fileName = proposed;
        const auto chosen = dialogs().file(request);
        if (chosen && !chosen->trimmed().isEmpty())
            backupFile_ = chosen->trimmed();
    }

    ui_.startClock();
    Stat(QStringLiteral("Preparing the Access Application"));
    s.Conn.Close();
    Stat(QStringLiteral("Creating Temporary Database...."));
    Stat(QStringLiteral("Successfull.........."));
    Stat(QStringLiteral("Creating New Database..............."));
    ui_.Label1->setText(QStringLiteral("..Please Wait"));
    Stat(QStringLiteral(".... Transfering Tables.........."));
    // A copy that failed, or that no restore would take, is never reported
    // as made, whatever the answer; the error says why.
    const StepResult copied = attempt([&] {
        for (const QString& line : yearend::removeUnfinishedBackups(QFileInfo(backupFile_).absolutePath()))
            Stat(line);
        yearend::backUpYearDatabase(s.DbFile, backupFile_, [this](const QString& text) {
            Stat(text);
            TTime_Timer();
        });
    });
    ui_.stopClock();
    if (copied != StepResult::Done)
        return false;
    Stat(QStringLiteral("Queries.........."));
    Stat(QStringLiteral("Successfull.........."));

    Stat(QStringLiteral("Backup is  Successfully completed"));
    if (!Automate) {
        say(QStringLiteral("Back Up successfully Completed !!") + QChar(13) + QChar(13) +
                QStringLiteral(" A temporary backup was created as ") + backupFile_,
            MessageIcon::Information);
    }
    Stat(QString());
    startup::recordBackup(s.Util, s.AppKey, QDate::currentDate());
    succeeded_ = true;
    return true;
}

} // namespace pellam::app
