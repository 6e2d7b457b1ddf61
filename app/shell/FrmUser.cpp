#include "shell/FrmUser.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "data/LoginUsers.h"
#include "data/UserRoles.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

const QString kTitle = QStringLiteral("User Manager");

// Every key typed into the user manager's boxes becomes upper case.
QLineEdit* upperCaseBox(QWidget* parent, const QString& name)
{
    return entryBox(parent, name, PellamUtility::UpperCase);
}

} // namespace

FrmUser::FrmUser(QWidget* parent)
    : QWidget(parent), TxtLogId(upperCaseBox(this, QStringLiteral("TxtLogId"))),
      TxtUserName(upperCaseBox(this, QStringLiteral("TxtUserName"))),
      TxtDescription(upperCaseBox(this, QStringLiteral("TxtDescription"))), CboRole(new QComboBox(this)),
      CmdAdd(namedButton(this, QStringLiteral("&Add"), QStringLiteral("CmdAdd"))),
      CmdEdit(namedButton(this, QStringLiteral("&Edit"), QStringLiteral("CmdEdit"))),
      CmdDelete(namedButton(this, QStringLiteral("&Delete"), QStringLiteral("CmdDelete"))),
      CmdClose(namedButton(this, QStringLiteral("&Close"), QStringLiteral("CmdClose")))
{
    setObjectName(QStringLiteral("FrmUser"));
    setWindowTitle(kTitle);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("User Name :"), TxtLogId);
    form->addRow(QStringLiteral("Full Name :"), TxtUserName);
    form->addRow(QStringLiteral("Description :"), TxtDescription);
    CboRole->setObjectName(QStringLiteral("CboRole"));
    for (data::Role role : {data::Role::Administrator, data::Role::Accountant, data::Role::Auditor})
        CboRole->addItem(data::roleName(role), int(role));
    form->addRow(QStringLiteral("Role :"), CboRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttonRow({CmdAdd, CmdEdit, CmdDelete, CmdClose}));
    resize(420, 160);

    connect(CmdAdd, &QPushButton::clicked, this, &FrmUser::CmdAdd_Click);
    connect(CmdEdit, &QPushButton::clicked, this, &FrmUser::CmdEdit_Click);
    connect(CmdDelete, &QPushButton::clicked, this, &FrmUser::CmdDelete_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FrmUser::CmdClose_Click);
    HelpKey::attach(this, kHelpContext);
    Form_Load();
}

void FrmUser::Form_Load()
{
    entering_ = false;
    adding_ = false;
    if (!Connection())
        return;
    runStep([this] { showUser(state().Util.UserName()); }, QStringLiteral("Form_Load"), objectName());
    RefreshBtn();
}

bool FrmUser::showUser(const QString& userid)
{
    const auto user = data::LoginUsers(state().Conn).find(userid);
    if (!user)
        return false;
    TxtLogId->setText(user->userid);
    TxtUserName->setText(user->username);
    TxtDescription->setText(user->description);
    showRole(user->role);
    return true;
}

void FrmUser::showRole(data::Role role)
{
    CboRole->setCurrentIndex(CboRole->findData(int(role)));
}

void FrmUser::RefreshBtn()
{
    CmdAdd->setText(entering_ ? QStringLiteral("&Save") : QStringLiteral("&Add"));
    CmdEdit->setText(entering_ ? QStringLiteral("&Cancel") : QStringLiteral("&Edit"));
    CmdDelete->setEnabled(!entering_);
    CmdClose->setEnabled(!entering_);
    // The user id is the row's key: it can be typed for a new user only.
    TxtLogId->setReadOnly(entering_ && !adding_);
    // A role shown while browsing is not one being chosen.
    CboRole->setEnabled(entering_);
}

void FrmUser::CmdAdd_Click()
{
    if (TxtUserName->text().trimmed().isEmpty()) {
        say(QStringLiteral("Invalid User name"));
        TxtUserName->setFocus();
        return;
    }
    if (entering_) {
        save();
        return;
    }
    entering_ = true;
    adding_ = true;
    TxtLogId->clear();
    TxtUserName->clear();
    TxtDescription->clear();
    showRole(data::Role::Accountant);
    RefreshBtn();
    TxtLogId->setFocus();
}

void FrmUser::save()
{
    const data::LoginUser user{TxtLogId->text().trimmed(), TxtUserName->text(), TxtDescription->text(),
                               data::Role(CboRole->currentData().toInt())};
    if (adding_ && user.userid.isEmpty()) {
        say(QStringLiteral("Invalid User Id"), MessageIcon::Information);
        TxtLogId->setFocus();
        return;
    }
    ShowStatus(QStringLiteral("Saving....."));
    auto change = data::LoginUsers::Change::NotFound;
    const StepResult ran = runStep(
        [&] {
            data::LoginUsers users(state().Conn);
            change = adding_ ? users.add(user) : users.update(user);
        },
        QStringLiteral("CmdAdd_Click"), objectName());
    ShowStatus(QString());
    if (ran != StepResult::Done)
        return;
    if (change == data::LoginUsers::Change::Duplicate) {
        say(QStringLiteral("The User Name %1 is already in use. Choose another one.").arg(user.userid),
            MessageIcon::Information);
        TxtLogId->setFocus();
        TxtLogId->selectAll();
        return;
    }
    if (change == data::LoginUsers::Change::NotFound) {
        say(QStringLiteral("Invalid User "), MessageIcon::Information);
        return;
    }
    if (change == data::LoginUsers::Change::LastAdministrator) {
        say(data::LoginUsers::lastAdministratorRefusal(user.userid), MessageIcon::Information);
        showRole(data::Role::Administrator);
        CboRole->setFocus();
        return;
    }
    entering_ = false;
    adding_ = false;
    RefreshBtn();
}

QString FrmUser::askUserId(const QString& prompt)
{
    InputRequest request;
    request.prompt = prompt;
    request.title = kTitle;
    const auto answer = dialogs().input(request);
    if (!answer)
        return {};
    const QString userid = answer->toUpper().trimmed();
    if (userid.isEmpty())
        say(QStringLiteral("Invalid User Id to Search"), MessageIcon::Information);
    return userid;
}

void FrmUser::CmdEdit_Click()
{
    if (entering_) {
        entering_ = false;
        adding_ = false;
        RefreshBtn();
        return;
    }
    const QString userid = askUserId(QStringLiteral("Enter User Id for Editing"));
    if (userid.isEmpty())
        return;
    bool found = false;
    if (runStep([&] { found = showUser(userid); }, QStringLiteral("CmdEdit_Click"), objectName()) != StepResult::Done)
        return;
    if (!found) {
        say(QStringLiteral("Invalid User "), MessageIcon::Information);
        return;
    }
    entering_ = true;
    adding_ = false;
    RefreshBtn();
    TxtUserName->setFocus();
}

void FrmUser::CmdDelete_Click()
{
    const QString userid = askUserId(QStringLiteral("Enter User Id for Deleting"));
    if (userid.isEmpty())
        return;
    const QString procedure = QStringLiteral("CmdDelete_Click");
    bool found = false;
    int users = 0;
    bool lastAdministrator = false;
    if (runStep([&] {
            found = showUser(userid);
            users = data::LoginUsers(state().Conn).count();
            lastAdministrator = data::UserRoles(state().Conn).isLastAdministrator(userid);
        },
                procedure, objectName()) != StepResult::Done)
        return;
    if (!found) {
        say(QStringLiteral("Invalid User "));
        return;
    }
    // Without a user nobody could log in to these books again.
    if (users <= 1) {
        say(QStringLiteral("The last user cannot be deleted."), MessageIcon::Information);
        return;
    }
    if (lastAdministrator) {
        say(data::LoginUsers::lastAdministratorRefusal(userid), MessageIcon::Information);
        return;
    }
    if (say(QStringLiteral("Are you Sure to Delete this User ?"), MessageIcon::Question, MessageButtons::YesNo) ==
        MessageAnswer::Yes) {
        ShowStatus(QStringLiteral("Deleting...."));
        runStep([&] { data::LoginUsers(state().Conn).remove(userid); }, procedure, objectName());
    }
    ShowStatus(QString());
}

void FrmUser::CmdClose_Click()
{
    closeChild(this);
}

void FrmUser::closeEvent(QCloseEvent* event)
{
    ShowStatus(QString());
    QWidget::closeEvent(event);
}

} // namespace pellam::app
