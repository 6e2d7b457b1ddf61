#include "masters/FrmAccounts.h"

#include "buttonbar/BtnShield.h"
#include "common/HostForm.h"
#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/HelpKey.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "data/BooksLock.h"
#include "grids/ListGrid.h"
#include "input/KeyValidation.h"
#include "input/KeyValidator.h"
#include "masters/FrmAccOp.h"
#include "masters/ListRows.h"
#include "masters/OpeningGrid.h"
#include "masters/RecordBar.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QVBoxLayout>

namespace pellam::masters {

namespace {

const QString kForm = QStringLiteral("FrmAccounts");
const char* const kTag = "Tag";

QLineEdit* entry(const char* name, int kind, int maxLength = 32767)
{
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    input::KeyValidator::attach(box, kind);
    return box;
}

} // namespace

FrmAccounts::FrmAccounts(QWidget* parent)
    : QWidget(parent), txtAccCode(entry("txtAccCode", input::NumAndAlphabetOnly, 10)),
      txtAccountName(entry("txtAccountName", input::UpperCase, 30)), txtRemarks(entry("txtRemarks", input::UpperCase)),
      chkCarry(new QCheckBox(QStringLiteral("Carry forward balance"))),
      OpGrid(new OpeningGrid), ListGrid1(new ctl::ListGrid), UBtnCtrl1(new ctl::BtnShield), store_(app::state().Conn)
{
    setObjectName(kForm);
    setWindowTitle(QStringLiteral("Ledger Head Details"));
    ListGrid1->setObjectName(QStringLiteral("ListGrid1"));
    setUpRecordBar(UBtnCtrl1, true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Ledger Code:"), txtAccCode);
    fields->addRow(QStringLiteral("Ledger Name:"), txtAccountName);
    fields->addRow(QStringLiteral("Remarks :"), txtRemarks);
    chkCarry->setObjectName(QStringLiteral("chkCarry"));
    chkCarry->setToolTip(QStringLiteral("An asset or a liability (a bank account, a deposit, an advance, a loan, a "
                                        "fund): its closing balance opens the next year. The cash account always "
                                        "carries forward."));
    fields->addRow(QString(), chkCarry);
    fields->addRow(QStringLiteral("Opening :"), OpGrid);
    auto* hint = new QLabel(
        QStringLiteral("To Change the Opening Click on the list and then change the value at amount then click on update list"));
    hint->setWordWrap(true);
    fields->addRow(hint);
    auto* body = new QHBoxLayout;
    body->addLayout(fields, 1);
    body->addWidget(ListGrid1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(UBtnCtrl1);
    resize(900, 460);
    setTabOrder(txtAccCode, txtAccountName);
    setTabOrder(txtAccountName, txtRemarks);
    setTabOrder(txtRemarks, chkCarry);
    setTabOrder(chkCarry, OpGrid);
    app::HelpKey::attach(this, HelpContextID);
    txtAccCode->installEventFilter(this);

    connectRecordBar(this, UBtnCtrl1, ListGrid1);
    connect(UBtnCtrl1, &ctl::BtnShield::OnCancelClick, this, &FrmAccounts::UBtnCtrl1_OnCancelClick);
    connect(UBtnCtrl1, &ctl::BtnShield::OnPrintClick, this, &FrmAccounts::UBtnCtrl1_OnPrintClick);
    connect(OpGrid, &OpeningGrid::enterPressed, this, &FrmAccounts::OpGrid_DblClick);
    connect(OpGrid, &QAbstractItemView::doubleClicked, this, &FrmAccounts::OpGrid_DblClick);
    Form_Load();
}

void FrmAccounts::Form_Load()
{
    const bool connected = app::Connection();
    app::ShowStatus(QStringLiteral("loading "));
    app::state().Util.DisCtrll(this);
    if (connected)
        FillAccountList();
    app::ShowStatus(QString());
}

void FrmAccounts::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    // The window opens in the top left corner of the main window.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->move(0, 0);
}

void FrmAccounts::FillAccountList()
{
    app::ShowStatus(QStringLiteral("Setting  Up Record.... "));
    if (app::Connection())
        app::runStep(
            [this] {
                ListGrid1->SetGridProperties(store_.list(), {200, 0, 900, 2500, 2500},
                                             {"*", "", "id", "Ledger Name", "Description"}, 3, 4);
            },
            QStringLiteral("FillAccountList"), kForm);
    app::ShowStatus(QString());
}

bool FrmAccounts::entering() const
{
    const auto mode = UBtnCtrl1->ButtonMode();
    return mode == ctl::BtnShield::TrAdding || mode == ctl::BtnShield::TrEditing;
}

QString FrmAccounts::shown() const
{
    return txtAccCode->property(kTag).toString();
}

void FrmAccounts::ListGrid1_OnNavigate(int*, int*)
{
    if (!entering())
        showHead();
}

void FrmAccounts::showHead()
{
    txtAccCode->setProperty(kTag, ListGrid1->TextMatrix(1));
    txtAccCode->setText(ListGrid1->TextMatrix(2));
    txtAccountName->setText(ListGrid1->TextMatrix(3));
    txtRemarks->setText(ListGrid1->TextMatrix(4));
    const int accno = shown().toInt();
    app::runStep(
        [&] {
            chkCarry->setChecked(accno != 0 && store_.carriesForward(accno));
            OpGrid->load(store_.openingsOf(accno), accno);
        },
        QStringLiteral("ListGrid1_OnNavigate"), kForm);
}

void FrmAccounts::UBtnCtrl1_BeforeEditClick(bool* Cancel)
{
    // With no head shown there is nothing to edit.
    if (shown().isEmpty())
        *Cancel = true;
}

void FrmAccounts::UBtnCtrl1_OnAddClick()
{
    app::runStep([&] { OpGrid->load(store_.newHeadOpenings(), 0); }, QStringLiteral("UBtnCtrl1_OnAddClick"), kForm);
    txtAccCode->setFocus();
}

void FrmAccounts::UBtnCtrl1_OnEditClick()
{
    int cash = 0;
    app::runStep([&] { cash = store_.cashAccountNo(); }, QStringLiteral("UBtnCtrl1_OnEditClick"), kForm);
    if (shown().toInt() == cash) {
        // The cash account keeps its code, name and remarks; only its
        // openings can change, so only they are offered.
        for (QWidget* box : std::initializer_list<QWidget*>{txtAccCode, txtAccountName, txtRemarks, chkCarry})
            box->setEnabled(false);
        OpGrid->setFocus();
        return;
    }
    txtAccCode->setFocus();
}

void FrmAccounts::txtAccCode_LostFocus()
{
    // Only a code being typed is checked; the box also loses the focus
    // when Save or Cancel locks it.
    const QString code = txtAccCode->text().trimmed();
    if (!entering() || code.isEmpty() || !app::Connection())
        return;
    const int except = UBtnCtrl1->ButtonMode() == ctl::BtnShield::TrAdding ? 0 : shown().toInt();
    bool taken = false;
    app::runStep([&] { taken = store_.codeTaken(code, except); }, QStringLiteral("txtAccCode_LostFocus"), kForm);
    if (taken) {
        // The clerk retypes the code where it was typed: the focus goes back
        // to the box with its text selected, so the next keys replace it
        // instead of landing in the name. Sent back once the focus has
        // finished leaving, or the leaving box would drop the selection.
        app::say(QStringLiteral("Code Already exist"), MessageIcon::Information);
        QMetaObject::invokeMethod(
            txtAccCode,
            [box = txtAccCode] {
                box->setFocus();
                box->selectAll();
            },
            Qt::QueuedConnection);
    }
}

bool FrmAccounts::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtAccCode && event->type() == QEvent::FocusOut) {
        // Leaving the box for another window or a menu is no leaving of the form.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtAccCode_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmAccounts::UBtnCtrl1_OnSaveClick(bool* Cancel, bool IsAdd)
{
    LedgerHead head{IsAdd ? 0 : shown().toInt(), txtAccCode->text().trimmed(), txtAccountName->text(), txtRemarks->text(),
                    chkCarry->isChecked()};
    if (head.code.isEmpty()) {
        app::say(QStringLiteral("Invalid  Account Code !!"), MessageIcon::Information);
        txtAccCode->setFocus();
        return;
    }
    if (head.name.trimmed().isEmpty()) {
        app::say(QStringLiteral("Invalid  Account Name !!"), MessageIcon::Information);
        txtAccountName->setFocus();
        return;
    }
    int badRow = 0;
    const auto openings = OpGrid->openings(&badRow);
    if (!openings) {
        app::say(QStringLiteral("Invalid Opening Amount"), MessageIcon::Information);
        OpGrid->setRow(badRow);
        OpGrid->setFocus();
        return;
    }
    if (!app::Connection() || !app::mayDo(data::Action::ChangeMasters))
        return;
    // A save the user chose to skip stored nothing, so the bar stays in entry.
    if (app::runStep([&] { store_.save(head, *openings); }, QStringLiteral("UBtnCtrl1_OnSaveClick"), kForm) !=
        app::StepResult::Done)
        return;
    txtAccCode->setProperty(kTag, QString::number(head.accno));
    *Cancel = false;
}

void FrmAccounts::UBtnCtrl1_OnDeleteClick()
{
    if (shown().isEmpty() || !app::Connection() || !app::mayDo(data::Action::ChangeMasters))
        return;
    const int n = shown().toInt();
    HeadDeleteGuard guard = HeadDeleteGuard::None;
    if (app::runStep([&] { guard = store_.deleteGuard(n); }, QStringLiteral("UBtnCtrl1_OnDeleteClick"), kForm) !=
        app::StepResult::Done)
        return;
    switch (guard) {
    case HeadDeleteGuard::CashAccount:
        app::say(QStringLiteral("Cash Account cannot be deleted !!"), MessageIcon::Information);
        return;
    case HeadDeleteGuard::TransactionExists:
        app::say(QStringLiteral("You Cannot Delete the Record !!    Transaction Exists"), MessageIcon::Information);
        return;
    case HeadDeleteGuard::None:
        break;
    }
    app::runStep([&] { store_.remove(n); }, QStringLiteral("UBtnCtrl1_OnDeleteClick"), kForm);
}

void FrmAccounts::UBtnCtrl1_OnRefreshClick(const QString&)
{
    app::ShowStatus(QStringLiteral("Refreshing Data............."));
    // Reloading moves the list to its first row; the head shown before (the
    // one just saved, or whose edit was cancelled) stays shown.
    const QString keep = shown();
    FillAccountList();
    if (selectListRow(ListGrid1, 1, keep))
        showHead();
    app::ShowStatus(QString());
}

void FrmAccounts::UBtnCtrl1_OnCancelClick() {}

void FrmAccounts::OpGrid_DblClick()
{
    const int row = OpGrid->Row();
    if (!entering() || row < 1)
        return;
    std::optional<QString> locked;
    app::runStep([&] { locked = data::BooksLock(app::state().Conn).openingsRefusal(); },
                 QStringLiteral("OpGrid_DblClick"), kForm);
    if (locked) {
        app::say(*locked, MessageIcon::Information);
        return;
    }
    FrmAccOp dialog(this);
    dialog.fill(OpGrid->TextMatrix(row, 1), OpGrid->TextMatrix(row, 2), OpGrid->TextMatrix(row, 3));
    dialog.move(OpGrid->mapToGlobal(QPoint(0, ctl::pixelsOf(1500))));
    if (dialog.exec() == QDialog::Accepted) {
        OpGrid->setTextMatrix(row, 2, dialog.amountText());
        OpGrid->setTextMatrix(row, 3, dialog.typeLetter());
    }
    // Enter walks down the institutions, one opening after another.
    if (row < OpGrid->Rows() - 1)
        OpGrid->setRow(row + 1);
}

} // namespace pellam::masters
