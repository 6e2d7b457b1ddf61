#include "shell/frmPassword.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "shell/PasswordChange.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

QLineEdit* passwordBox(QWidget* parent, const QString& name)
{
    // No validation kind: Enter only moves to the next box.
    QLineEdit* box = entryBox(parent, name, 0);
    box->setEchoMode(QLineEdit::Password);
    return box;
}

} // namespace

frmPassword::frmPassword(QWidget* parent)
    : QWidget(parent), TxtUserName(passwordBox(this, QStringLiteral("TxtUserName"))),
      txtPassword(passwordBox(this, QStringLiteral("txtPassword"))),
      txtConPass(passwordBox(this, QStringLiteral("txtConPass"))),
      CmdOk(namedButton(this, QStringLiteral("OK"), QStringLiteral("CmdOk"))),
      CmdCancel(namedButton(this, QStringLiteral("Cancel"), QStringLiteral("CmdCancel")))
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral("Change Password"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Old Password"), TxtUserName);
    form->addRow(QStringLiteral("New Password:"), txtPassword);
    form->addRow(QStringLiteral("Confirm  Passowrd :"), txtConPass);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({CmdOk, CmdCancel}));
    resize(360, 150);

    connect(CmdOk, &QPushButton::clicked, this, &frmPassword::CmdOk_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmPassword::CmdCancel_Click);
    HelpKey::attach(this, kHelpContext);

    if (state().Util.UserName().isEmpty())
        say(QStringLiteral(" Password Cannot Change"));
}

void frmPassword::refuse(const QString& text, QLineEdit* box)
{
    say(text);
    box->setFocus();
    box->selectAll();
}

void frmPassword::CmdOk_Click()
{
    if (!Connection())
        return;
    auto result = PasswordChangeResult::UnknownUser;
    if (runStep(
            [&] {
                result = changePassword(state().Conn, state().Util, state().Util.UserName(), TxtUserName->text(),
                                        txtPassword->text(), txtConPass->text());
            },
            QStringLiteral("CmdOk_Click"), objectName()) != StepResult::Done)
        return;
    switch (result) {
    case PasswordChangeResult::UnknownUser: refuse(QStringLiteral("Invalid User, try again!"), TxtUserName); return;
    case PasswordChangeResult::WrongOldPassword:
        refuse(QStringLiteral("Invalid Password. try Again"), TxtUserName);
        return;
    case PasswordChangeResult::Mismatch: refuse(QStringLiteral("Confirm Password Mismatch"), txtPassword); return;
    case PasswordChangeResult::Changed: break;
    }
    say(QStringLiteral("Password is Successfully Updated"), MessageIcon::Information);
    closeChild(this);
}

void frmPassword::CmdCancel_Click()
{
    closeChild(this);
}

} // namespace pellam::app
