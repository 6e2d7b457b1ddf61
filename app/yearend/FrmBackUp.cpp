#include "yearend/FrmBackUp.h"

#include "data/FinancialYear.h"
#include "dialogs/Dialogs.h"
#include "errors/PellamError.h"
#include "shell/AppState.h"
#include "shell/Common.h"
#include "shell/ErrorHandling.h"
#include "shell/MdiHost.h"
#include "startup/BackupSchedule.h"
#include "system/AppFolders.h"
#include "yearend/BackupCopy.h"
#include "yearend/ElapsedTime.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

const QString kKey = QStringLiteral("Software\\Pellam\\Coffer9.0");

} // namespace

FrmBackUp::FrmBackUp(QWidget* parent)
    : QDialog(parent), Lb(new QLabel(this)), LblTime(new QLabel(QStringLiteral("Time :"), this)),
      Label1(new QLabel(this)), Timer1(new QTimer(this)), TTime(new QTimer(this))
{
    setObjectName(QStringLiteral("FrmBackUp"));
    setWindowTitle(QStringLiteral("Back Up Data"));
    setModal(true);
    Lb->setObjectName(QStringLiteral("Lb"));
    LblTime->setObjectName(QStringLiteral("LblTime"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    TTime->setObjectName(QStringLiteral("TTime"));

    auto* frame = new QGroupBox(QStringLiteral("Progress Indicator"), this);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(Lb);
    inner->addWidget(Label1);
    inner->addWidget(LblTime);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    resize(460, 160);

    Timer1->setSingleShot(true);
    Timer1->setInterval(0);
    TTime->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FrmBackUp::Timer1_Timer);
    connect(TTime, &QTimer::timeout, this, &FrmBackUp::TTime_Timer);
}

void FrmBackUp::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Stat(QStringLiteral("Preparing to Backup the database"));
    Timer1->start();
}

void FrmBackUp::Stat(const QString& text)
{
    if (!Automate)
        ShowStatus(text);
    Lb->setText(text);
    Lb->repaint();
}

void FrmBackUp::TTime_Timer()
{
    const qint64 seconds = started_.secsTo(QDateTime::currentDateTime());
    LblTime->setText(yearend::elapsedText(seconds));
}

void FrmBackUp::Timer1_Timer()
{
    Timer1->stop();
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

    started_ = QDateTime::currentDateTime();
    TTime->start();
    TTime_Timer();
    Stat(QStringLiteral("Preparing the Access Application"));
    s.Conn.Close();
    Stat(QStringLiteral("Creating Temporary Database...."));
    Stat(QStringLiteral("Successfull.........."));
    Stat(QStringLiteral("Creating New Database..............."));
    Label1->setText(QStringLiteral("..Please Wait"));
    Stat(QStringLiteral(".... Transfering Tables.........."));
    // A copy that failed is never reported as made, whatever the answer.
    const StepResult copied = attempt([&] {
        yearend::copyYearDatabase(s.DbFile, backupFile_, [this](const QString& text) {
            Stat(text);
            TTime_Timer();
        });
    });
    TTime->stop();
    if (copied != StepResult::Done)
        return false;
    Stat(QStringLiteral("Queries.........."));
    Stat(QStringLiteral("Successfull.........."));

    Stat(QStringLiteral("Backup is  Successfully completed"));
    if (!Automate) {
        MessageRequest m;
        m.text = QStringLiteral("Back Up successfully Completed !!") + QChar(13) + QChar(13) +
                 QStringLiteral(" A temporary backup was created as ") + backupFile_;
        m.icon = MessageIcon::Information;
        dialogs().message(m);
    }
    Stat(QString());
    startup::recordBackup(s.Util, s.AppKey, QDate::currentDate());
    succeeded_ = true;
    return true;
}

} // namespace pellam::app
