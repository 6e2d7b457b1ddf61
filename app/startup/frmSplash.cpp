#include "startup/frmSplash.h"

#include "core/Say.h"
#include "format/DateText.h"
#include "yearend/FrmBackUp.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace pellam::app {

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent), Label1(new QLabel(this)), PicDate(new QFrame(this)), TxtDate(new QLineEdit(PicDate)),
      CmdOk(new QPushButton(QStringLiteral("OK"), PicDate)), LblUpdate(new QLabel(QStringLiteral("Upgrade is in Progress Please wait......"), this)),
      lblVersion(new QLabel(this)), lblProductName(new QLabel(this)), Timer1(new QTimer(this)), run_(*this)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QApplication::applicationDisplayName());
    Label1->setObjectName(QStringLiteral("Label1"));
    PicDate->setObjectName(QStringLiteral("PicDate"));
    TxtDate->setObjectName(QStringLiteral("TxtDate"));
    CmdOk->setObjectName(QStringLiteral("CmdOk"));
    LblUpdate->setObjectName(QStringLiteral("LblUpdate"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    Timer1->setObjectName(QStringLiteral("Timer1"));

    const QStringList version = QApplication::applicationVersion().split(QLatin1Char('.'));
    lblVersion->setText(QStringLiteral("Version ") + QStringList{version.value(0, QStringLiteral("0")),
                                                                  version.value(1, QStringLiteral("0")),
                                                                  version.value(2, QStringLiteral("0"))}
                                                         .join(QLatin1Char('.')));
    lblProductName->setText(QApplication::applicationDisplayName());
    QFont big = lblProductName->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    lblProductName->setFont(big);
    LblUpdate->setVisible(false);

    TxtDate->setInputMask(QStringLiteral("99/99/9999;_"));
    TxtDate->installEventFilter(this);
    CmdOk->setDefault(true);
    auto* dateRow = new QHBoxLayout(PicDate);
    dateRow->addWidget(new QLabel(QStringLiteral("Current Date is"), PicDate));
    dateRow->addWidget(TxtDate);
    dateRow->addWidget(CmdOk);
    PicDate->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProductName);
    layout->addWidget(lblVersion);
    layout->addStretch();
    layout->addWidget(PicDate);
    layout->addWidget(LblUpdate);
    layout->addWidget(Label1);
    resize(520, 300);

    connect(CmdOk, &QPushButton::clicked, this, &frmSplash::CmdOk_Click);
    connect(TxtDate, &QLineEdit::returnPressed, this, &frmSplash::CmdOk_Click);
    Timer1->setSingleShot(true);
    Timer1->setInterval(0);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
}

void frmSplash::setStatus(const QString& text)
{
    Label1->setText(text);
    Label1->repaint();
}

void frmSplash::setUpgradeText(const QString& text)
{
    LblUpdate->setVisible(true);
    LblUpdate->setText(text);
    LblUpdate->repaint();
}

void frmSplash::runAutomaticBackup()
{
    FrmBackUp backup(this);
    backup.Automate = true;
    backup.exec();
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    if (!run_.prepare()) {
        end();
        return;
    }
    TxtDate->setText(datetext::format(QDate::currentDate()));
    PicDate->setVisible(true);
    TxtDate->setFocus();
    TxtDate->selectAll();
}

void frmSplash::CmdOk_Click()
{
    const auto date = datetext::parse(TxtDate->text());
    if (!date) {
        say(QStringLiteral("Invalid date Selected"), MessageIcon::Information);
        return;
    }
    PicDate->setVisible(false);
    if (run_.openBooks(*date) == StartupRun::Outcome::Ready)
        emit booksReady();
    else
        end();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    // Esc at the date prompt ends the program.
    if (watched == TxtDate && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        end();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::end()
{
    close();
    emit startupEnded();
}

} // namespace pellam::app
