#include "shell/frmLogin.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/Say.h"
#include "input/KeyValidator.h"
#include "shell/LoginCheck.h"
#include "shell/ProgramEnd.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace pellam::app {

frmLogin::frmLogin(QWidget* parent)
    : QDialog(parent), TxtUserName(new QLineEdit(QStringLiteral("MERION"), this)), txtPassword(new QLineEdit(this)),
      CmdOk(new QPushButton(QStringLiteral("OK"), this)), CmdCancel(new QPushButton(QStringLiteral("Cancel"), this)),
      lblWait(new QLabel(this)), backoffTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Login"));
    setModal(true);
    TxtUserName->setObjectName(QStringLiteral("TxtUserName"));
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    CmdOk->setObjectName(QStringLiteral("CmdOk"));
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    lblWait->setObjectName(QStringLiteral("lblWait"));
    lblWait->setVisible(false);
    backoffTimer_->setSingleShot(true);
    txtPassword->setEchoMode(QLineEdit::Password);
    CmdOk->setDefault(true);
    input::KeyValidator::attach(TxtUserName, PellamUtility::UpperCase);

    auto* userLabel = new QLabel(QStringLiteral("&User Name:"), this);
    userLabel->setBuddy(TxtUserName);
    auto* passwordLabel = new QLabel(QStringLiteral("&Password:"), this);
    passwordLabel->setBuddy(txtPassword);
    auto* form = new QFormLayout;
    form->addRow(userLabel, TxtUserName);
    form->addRow(passwordLabel, txtPassword);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOk);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblWait);
    layout->addLayout(buttons);

    connect(CmdOk, &QPushButton::clicked, this, &frmLogin::CmdOk_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmLogin::CmdCancel_Click);
    connect(backoffTimer_, &QTimer::timeout, this, &frmLogin::backoffEnded);
    txtPassword->setFocus();
}

void frmLogin::CmdOk_Click()
{
    if (backoffTimer_->isActive())
        return;
    if (!Connection())
        return;
    LoginOutcome outcome;
    if (runStep([&] { outcome = checkLogin(state().Conn, TxtUserName->text(), txtPassword->text()); },
                QStringLiteral("CmdOk_Click"), objectName()) != StepResult::Done)
        return;
    switch (outcome.result) {
    case LoginOutcome::UnknownUser:
        say(QStringLiteral("Invalid User"), MessageIcon::Information);
        loginFailed();
        return;
    case LoginOutcome::WrongPassword:
        say(QStringLiteral("Invalid Password, Try Again!"), MessageIcon::None, MessageButtons::Ok, QStringLiteral("Login"));
        txtPassword->setFocus();
        txtPassword->selectAll();
        loginFailed();
        return;
    case LoginOutcome::Accepted: break;
    }
    backoff_.succeeded();
    LoginSucceeded = true;
    state().Util.setUserName(outcome.userid);
    state().Util.setPassWord(state().Util.EnCrypt(txtPassword->text()));
    accept();
}

void frmLogin::loginFailed()
{
    backoff_.failed();
    const auto wait = backoff_.delay();
    if (wait.count() == 0)
        return;
    CmdOk->setEnabled(false);
    lblWait->setText(QStringLiteral("Too many failed logins: please wait %1 %2.")
                         .arg(wait.count())
                         .arg(wait.count() == 1 ? QStringLiteral("second") : QStringLiteral("seconds")));
    lblWait->setVisible(true);
    backoffTimer_->start(wait);
}

void frmLogin::backoffEnded()
{
    backoffTimer_->stop();
    CmdOk->setEnabled(true);
    lblWait->setVisible(false);
    txtPassword->setFocus();
}

void frmLogin::CmdCancel_Click()
{
    LoginSucceeded = false;
    QDialog::reject();
    endProgram();
}

void frmLogin::reject()
{
    // Escape and the close box end the program too, unless logged in.
    if (LoginSucceeded) {
        QDialog::reject();
        return;
    }
    CmdCancel_Click();
}

} // namespace pellam::app
