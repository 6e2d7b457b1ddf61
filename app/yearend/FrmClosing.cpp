#include "yearend/FrmClosing.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/HelpKey.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "data/BooksLock.h"
#include "errors/PellamError.h"
#include "format/DateText.h"
#include "system/AppFolders.h"
#include "yearend/ElapsedTime.h"
#include "yearend/YearClosing.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cmath>

namespace pellam::app {

namespace {

constexpr QChar CR(13);
const QString kStart = QStringLiteral("&Start");
const QString kClose = QStringLiteral("&Close");

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

FrmClosing::FrmClosing(QWidget* parent)
    : QWidget(parent), CmdOk(new QPushButton(kStart, this)),
      ChkCarry(new QCheckBox(QStringLiteral("Carry forward closing &balances"), this)), List1(new QListWidget(this)),
      LblAction(namedLabel(QStringLiteral("LblAction"), QStringLiteral("Ready to Start"), this)),
      Label2(namedLabel(QStringLiteral("Label2"), QStringLiteral("Click on Start to Create the database"), this)),
      LblPrnct(namedLabel(QStringLiteral("LblPrnct"), QStringLiteral("0% Done"), this)), PrgBarAll(new QProgressBar(this)),
      LblTime(namedLabel(QStringLiteral("LblTime"), QStringLiteral("Time Elapsed :- 00:00"), this)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("FrmClosing"));
    setWindowTitle(QStringLiteral("Pellam Utilities - Yearly Closing & Database Creator"));
    CmdOk->setObjectName(QStringLiteral("CmdOk"));
    ChkCarry->setObjectName(QStringLiteral("ChkCarry"));
    ChkCarry->setChecked(true);
    ChkCarry->setToolTip(QStringLiteral("The cash account and the balance heads open the new year at their closing "
                                        "balances; unticked, every head opens at zero"));
    List1->setObjectName(QStringLiteral("List1"));
    PrgBarAll->setObjectName(QStringLiteral("PrgBarAll"));
    PrgBarAll->setRange(0, 100);
    PrgBarAll->setTextVisible(false);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label2, 0, 0, 1, 2);
    layout->addWidget(List1, 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Current Action :"), this), 2, 0);
    layout->addWidget(LblAction, 2, 1);
    layout->addWidget(PrgBarAll, 3, 0, 1, 2);
    layout->addWidget(LblPrnct, 4, 0);
    layout->addWidget(LblTime, 4, 1, Qt::AlignRight);
    layout->addWidget(ChkCarry, 5, 0);
    layout->addWidget(CmdOk, 5, 1, Qt::AlignRight);
    resize(520, 380);

    connect(CmdOk, &QPushButton::clicked, this, &FrmClosing::CmdOk_Click);
    connect(Timer1, &QTimer::timeout, this, &FrmClosing::Timer1_Timer);
    HelpKey::attach(this, HelpContextID);
}

void FrmClosing::CmdOk_Click()
{
    if (CmdOk->text() == kClose)
        closeChild(this);
    else
        start();
}

void FrmClosing::Timer1_Timer()
{
    const int seconds = state().StartTime.secsTo(QTime::currentTime());
    LblTime->setText(yearend::elapsedText(seconds < 0 ? seconds + 86400 : seconds));
}

void FrmClosing::log(const QString& text)
{
    LblAction->setText(text);
    LblAction->repaint();
    List1->addItem(text);
    List1->setCurrentRow(List1->count() - 1);
}

void FrmClosing::progress(double value)
{
    const int maximum = PrgBarAll->maximum();
    PrgBarAll->setValue(value > maximum ? maximum : int(value));
    const double percent = std::round(PrgBarAll->value() * 10000.0 / maximum) / 100.0;
    LblPrnct->setText(QString::number(percent) + QStringLiteral("% Done"));
}

void FrmClosing::start()
{
    List1->clear();
    CmdOk->setEnabled(false);
    ChkCarry->setEnabled(false);
    Timer1->start();
    state().StartTime = QTime::currentTime();
    log(datetext::format(QDate::currentDate()));
    log(QStringLiteral("Application Started"));
    log(QStringLiteral(" Creating the new Database"));
    progress(0);

    switch (closeYear()) {
    case Outcome::Created:
        progress(PrgBarAll->maximum());
        log(QStringLiteral("Process Completed Successfully"));
        log(QStringLiteral("Closing the Session...."));
        log(datetext::format(QDate::currentDate()));
        log(QStringLiteral("Database Successfully Created"));
        Label2->setText(QStringLiteral("Database is Successfully Created"));
        offerLock();
        break;
    case Outcome::Declined:
        log(QStringLiteral("Nothing was created: the existing database was kept"));
        Label2->setText(QStringLiteral("Nothing was created: the existing database was kept"));
        break;
    case Outcome::Failed:
        Label2->setText(QStringLiteral("The database was not created"));
        break;
    }
    CmdOk->setText(kClose);
    CmdOk->setEnabled(true);
    Timer1->stop();
    Timer1_Timer();
}

void FrmClosing::offerLock()
{
    // The closed year is done with: locked, its books are read, not changed.
    const AppState& s = state();
    if (data::Rights::allows(currentRole(), data::Action::SetLockDates) &&
        say(QStringLiteral("Lock the books of %1 up to %2? They can then be read but not changed.")
                .arg(data::FinancialYear{s.YearStart, s.YearEnd}.label(), datetext::format(s.YearEnd)),
            MessageIcon::Question, MessageButtons::YesNo, {}, 1) == MessageAnswer::Yes) {
        try {
            data::BooksLock(state().Conn).lockUntil(s.YearEnd);
            log(QStringLiteral("The books are locked up to ") + datetext::format(s.YearEnd));
        } catch (const PellamError& e) {
            say(e.Description(), MessageIcon::Critical);
        }
    }
}

FrmClosing::Outcome FrmClosing::closeYear()
{
    const AppState& s = state();
    yearend::YearClosing closing(AppFolders::home(), s.DbFile, {s.YearStart, s.YearEnd});
    closing.setCarryForward(ChkCarry->isChecked());
    const bool replace = closing.newBooksExist();
    if (replace) {
        if (say(QStringLiteral("The Database File is already exist !!!!") + CR +
                    QStringLiteral(" Do you want to recreate the Database?"),
                MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
            return Outcome::Declined;
    }
    yearend::YearClosing::Reporter reporter;
    reporter.log = [this](const QString& text) { log(text); };
    reporter.progress = [this](int percent) { progress(percent); };
    try {
        closing.run(replace, reporter);
        return Outcome::Created;
    } catch (const PellamError& e) {
        log(e.Description());
        say(e.Description(), MessageIcon::Critical);
        return Outcome::Failed;
    }
}

} // namespace pellam::app
