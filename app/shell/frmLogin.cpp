#include "shell/frmLogin.h"

#include "dialogs/Dialogs.h"
#include "input/KeyValidator.h"
#include "shell/AppState.h"
#include "shell/Common.h"
#include "shell/ErrorHandling.h"
#include "shell/LoginCheck.h"
#include "shell/ProgramEnd.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pellam::app {

frmLogin::frmLogin(QWidget* parent)
    : QDialog(parent), TxtUserName(new QLineEdit(QStringLiteral("MERION"), this)), txtPassword(new QLineEdit(this)),
      CmdOk(new QPushButton(QStringLiteral("OK"), this)), CmdCancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Login"));
    setModal(true);
    TxtUserName->setObjectName(QStringLiteral("TxtUserName"));
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    CmdOk->setObjectName(QStringLiteral("CmdOk"));
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
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
    layout->addLayout(buttons);

    connect(CmdOk, &QPushButton::clicked, this, &frmLogin::CmdOk_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmLogin::CmdCancel_Click);
    txtPassword->setFocus();
}

void frmLogin::CmdOk_Click()
{
    if (!Connection())
        return;
    LoginOutcome outcome;
    if (runStep([&] { outcome = checkLogin(state().Conn, TxtUserName->text(), txtPassword->text()); },
                QStringLiteral("CmdOk_Click"), objectName()) != StepResult::Done)
        return;
    MessageRequest m;
    switch (outcome.result) {
    case LoginOutcome::UnknownUser:
        m.text = QStringLiteral("Invalid User");
        m.icon = MessageIcon::Information;
        dialogs().message(m);
        return;
    case LoginOutcome::WrongPassword:
        m.text = QStringLiteral("Invalid Password, Try Again!");
        m.title = QStringLiteral("Login");
        dialogs().message(m);
        txtPassword->setFocus();
        txtPassword->selectAll();
        return;
    case LoginOutcome::Accepted: break;
    }
    LoginSucceeded = true;
    state().Util.setUserName(outcome.userid);
    state().Util.setPassWord(state().Util.EnCrypt(txtPassword->text()));
    accept();
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
