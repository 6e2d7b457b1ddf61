#include "shell/frmOptions.h"

#include "core/AppState.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "data/BooksLock.h"
#include "dialogs/Dialogs.h"
#include "format/DateText.h"
#include "shell/InstallationOptions.h"
#include "system/AppFolders.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

InstallationOptionsStore store()
{
    return InstallationOptionsStore(state().Util, AppFolders::home(), state().AppKey);
}

} // namespace

frmOptions::frmOptions(QWidget* parent)
    : QDialog(parent), TxtTitle(entryBox(this, QStringLiteral("TxtTitle"), 0)),
      TxtBk(entryBox(this, QStringLiteral("TxtBk"), 0)), CmdBk(namedButton(this, QStringLiteral("Browse"), QStringLiteral("CmdBk"))),
      TXtDays(entryBox(this, QStringLiteral("TXtDays"), PellamUtility::NumberOnly)),
      TxtLock(entryBox(this, QStringLiteral("TxtLock"), PellamUtility::NumAndSpecialChar)),
      CmdOk(namedButton(this, QStringLiteral("&OK"), QStringLiteral("CmdOk"))),
      CmdApply(namedButton(this, QStringLiteral("&Apply"), QStringLiteral("CmdApply"))),
      CmdCancel(namedButton(this, QStringLiteral("&Cancel"), QStringLiteral("CmdCancel")))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral(" Settings"));
    setModal(true);
    TXtDays->setMaxLength(4);

    auto* folder = new QHBoxLayout;
    folder->addWidget(TxtBk, 1);
    folder->addWidget(CmdBk);
    auto* days = new QHBoxLayout;
    days->addWidget(new QLabel(QStringLiteral("Automatic Backup on every"), this));
    days->addWidget(TXtDays);
    days->addWidget(new QLabel(QStringLiteral("Days"), this));
    days->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Application Title"), TxtTitle);
    form->addRow(QStringLiteral("Back Up Path"), folder);
    TxtLock->setMaxLength(10);
    TxtLock->setPlaceholderText(QStringLiteral("dd/mm/yyyy"));
    TxtLock->setToolTip(QStringLiteral("No voucher dated on or before this day can be added, changed or deleted, and no "
                                       "opening can change. Empty: the books are not locked."));
    auto* lock = new QFormLayout;
    auto* lockLabel = new QLabel(QStringLiteral("Books &locked up to"), this);
    lockLabel->setBuddy(TxtLock);
    lock->addRow(lockLabel, TxtLock);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(days);
    layout->addLayout(lock);
    layout->addLayout(buttonRow({CmdOk, CmdApply, CmdCancel}));
    resize(520, 200);
    // Enter moves between the boxes; OK is a button like the others.
    for (QPushButton* b : {CmdOk, CmdApply, CmdCancel, CmdBk})
        b->setAutoDefault(false);

    connect(CmdBk, &QPushButton::clicked, this, &frmOptions::CmdBk_Click);
    connect(CmdApply, &QPushButton::clicked, this, &frmOptions::CmdApply_Click);
    connect(CmdOk, &QPushButton::clicked, this, &frmOptions::CmdOk_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmOptions::CmdCancel_Click);
    HelpKey::attach(this, kHelpContext);

    const InstallationOptions options = store().load();
    TxtTitle->setText(options.title);
    TxtBk->setText(options.backupFolder);
    TXtDays->setText(options.interval);
    runStep(
        [this] {
            if (const std::optional<QDate> until = data::BooksLock(state().Conn).lockedUntil())
                TxtLock->setText(datetext::format(*until));
        },
        QStringLiteral("Form_Load"), objectName());
}

void frmOptions::CmdBk_Click()
{
    FileRequest request;
    request.mode = FileRequest::Mode::Folder;
    request.title = QStringLiteral("Back Up Path");
    request.folder = TxtBk->text().trimmed();
    const auto chosen = dialogs().file(request);
    if (!chosen)
        return;
    TxtBk->setText(chosen->endsWith(QLatin1Char('/')) ? *chosen : *chosen + QLatin1Char('/'));
}

bool frmOptions::saveLock()
{
    const QString text = TxtLock->text().trimmed();
    std::optional<QDate> until;
    if (!text.isEmpty()) {
        const data::FinancialYear year{state().YearStart, state().YearEnd};
        until = datetext::parse(text);
        if (const std::optional<QString> refusal = data::BooksLock::dateRefusal(until.value_or(QDate()), year)) {
            say(*refusal, MessageIcon::Information);
            TxtLock->setFocus();
            return false;
        }
    }
    bool back = false;
    bool same = false;
    if (runStep(
            [&] {
                const data::BooksLock lock(state().Conn);
                same = lock.lockedUntil() == until;
                back = lock.movesBack(until);
            },
            QStringLiteral("CmdApply_Click"), objectName()) != StepResult::Done)
        return false;
    if (same)
        return true;
    if (!mayDo(data::Action::SetLockDates) || (back && !mayMoveLockBack())) {
        TxtLock->setFocus();
        return false;
    }
    return runStep(
               [&] {
                   data::BooksLock lock(state().Conn);
                   if (until)
                       lock.lockUntil(*until);
                   else
                       lock.clear();
               },
               QStringLiteral("CmdApply_Click"), objectName()) == StepResult::Done;
}

bool frmOptions::CmdApply_Click()
{
    if (!saveLock())
        return false;
    const InstallationOptions options{TxtTitle->text(), TxtBk->text(), TXtDays->text()};
    return runStep([&] { store().save(options, QDate::currentDate()); }, QStringLiteral("CmdApply_Click"),
                   objectName()) == StepResult::Done;
}

void frmOptions::CmdOk_Click()
{
    if (CmdApply_Click())
        accept();
}

void frmOptions::CmdCancel_Click()
{
    reject();
}

} // namespace pellam::app
