#include "vouchers/FrmJournal.h"

#include "common/HostForm.h"
#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/HelpKey.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "errors/PellamError.h"
#include "format/DateText.h"
#include "grids/PopupGrid.h"
#include "printing/RawPrinter.h"
#include "vouchers/VoucherLayout.h"
#include "data/BooksLock.h"
#include "data/VoucherStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace pellam::app {

namespace {

constexpr int kCompactTwips = 3420;

VoucherStore store()
{
    return VoucherStore(state().Conn);
}

// The amount as the box shows it: no trailing zeros, no point for whole rupees.
QString plainAmount(Currency amount)
{
    QString text = amount.toString(2);
    while (text.endsWith(QLatin1Char('0')) && text.contains(QLatin1Char('.')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// What the status bar says after a save. A new voucher's number is the
// database's; when it is not the one the box showed (another program saved
// first), the clerk must correct the slip. An edit keeps its number.
QString savedText(qint64 stored, const QString& shown)
{
    QString text = QStringLiteral("Saved as Jou. No. ") + QString::number(stored);
    if (!shown.trimmed().isEmpty() && !VoucherCheck::isNumber(shown, stored))
        text += QStringLiteral(", not ") + shown.trimmed() + QStringLiteral(" as shown");
    return text;
}

QString headShown(const QString& name, const QString& code)
{
    return name + QStringLiteral(" (") + code.trimmed() + QLatin1Char(')');
}

// Focus that moves to another application or a menu is not leaving a box.
bool leavesTheBox(const QEvent* event)
{
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

FrmJournal::FrmJournal(QWidget* parent) : QWidget(parent)
{
    buildControls();
    wireControls();
    HelpKey::attach(this, kHelpContext);
    Form_Load();
}

FrmJournal* FrmJournal::open()
{
    // One voucher window for the whole run: a second request brings it to the front.
    static QPointer<FrmJournal> current;
    if (current) {
        showChild(current);
        return current;
    }
    auto* form = new FrmJournal;
    current = form;
    form->setAttribute(Qt::WA_DeleteOnClose);
    showChild(form);
    // The top left corner of the main window's client area.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        sub->move(0, 0);
    form->setFormHeight(kCompactTwips);
    form->TxtJouDate->setFocus();
    return form;
}

void FrmJournal::Form_Load()
{
    Connection();
    AppState& s = state();
    try {
        s.rememberCashAccount(data::cashAccount(s.Conn).value_or(data::CashAccount{}));
        CboOrg->clear();
        for (const auto& [shopId, name] : store().institutions())
            CboOrg->addItem(name, shopId);
        if (CboOrg->count() == 0)
            CboOrg->addItem(QStringLiteral("<None>"), 0);
        CboOrg->setCurrentIndex(0);
        PrintAfterSave = store().printAfterSave();
    } catch (const PellamError& e) {
        say(e.Description(), MessageIcon::Information);
    }
    reset();
}

void FrmJournal::reset()
{
    if (!datetext::parse(TxtJouDate->text()))
        TxtJouDate->setText(datetext::format(QDate::currentDate()));
    for (QLineEdit* box : {txtBillNo, txtDebitAccId, txtAmount, txtNarration})
        box->clear();
    setChosenAccount({}, {});
    EditMode = DeleteMode = PrintMode = false;
    OptPAy->setChecked(true);
    ShowNextJournalNo();
    PopupGrid1->hide();
    SetEntryButtons();
    TxtJouDate->setFocus();
    Check1->setChecked(false);
    Check1_Click();
}

void FrmJournal::CmdCancel_Click()
{
    reset();
}

void FrmJournal::ShowNextJournalNo()
{
    // The reset goes on when the books cannot be read; the number stays blank.
    try {
        TxtJouNo->setText(QString::number(store().nextJournalNo()));
    } catch (const PellamError&) {
        TxtJouNo->clear();
    }
}

void FrmJournal::SetEntryButtons()
{
    for (QPushButton* button : {CmdEdit, CmdDelete, CmdPrint})
        button->setEnabled(!EditMode);
}

void FrmJournal::enterMode(bool& mode)
{
    reset();
    mode = true;
    TxtJouNo->clear();
    SetEntryButtons();
    TxtJouNo->setFocus();
}

void FrmJournal::CmdEdit_Click()
{
    enterMode(EditMode);
}

void FrmJournal::CmdDelete_Click()
{
    if (!mayDo(data::Action::SaveVouchers))
        return;
    enterMode(DeleteMode);
}

void FrmJournal::CmdPrint_Click()
{
    enterMode(PrintMode);
}

void FrmJournal::CmdClose_Click()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void FrmJournal::TxtJouNo_LostFocus()
{
    if (!(EditMode || DeleteMode || PrintMode)) {
        refuseOtherNumber();
        return;
    }
    // An empty box (the user went on to a button) has nothing to load.
    if (loading_ || TxtJouNo->text().trimmed().isEmpty())
        return;
    loading_ = true;
    try {
        const auto voucher = store().load(VoucherCheck::numberOf(TxtJouNo->text()));
        if (!voucher) {
            say(QStringLiteral("Invalid journal Number"), MessageIcon::Information);
            TxtJouNo->clear();
        } else if (const auto locked = (EditMode || DeleteMode)
                                           ? data::BooksLock(state().Conn).voucherRefusal(voucher->date)
                                           : std::nullopt) {
            // A voucher on a locked day is neither changed nor deleted.
            say(*locked, MessageIcon::Information);
            TxtJouNo->clear();
        } else {
            showVoucher(*voucher);
            if (DeleteMode)
                deleteShownVoucher();
            else if (PrintMode)
                vouprn();
        }
    } catch (const PellamError& e) {
        say(e.Description());
    }
    loading_ = false;
}

void FrmJournal::refuseOtherNumber()
{
    // A new voucher's number is the database's to give: the box only shows
    // it, and anything typed over it would go on the slip, not in the books.
    const QString typed = TxtJouNo->text();
    ShowNextJournalNo();
    const QString next = TxtJouNo->text();
    if (typed.trimmed().isEmpty() || next.isEmpty() || VoucherCheck::isNumber(typed, next.toLongLong()))
        return;
    say(QStringLiteral("Invalid journal Number"), MessageIcon::Information);
    TxtJouNo->setFocus();
}

void FrmJournal::showVoucher(const StoredVoucher& v)
{
    // "12abc" loaded voucher 12: the box says so.
    TxtJouNo->setText(QString::number(v.jouNo));
    const int entry = CboOrg->findData(v.shopId);
    if (entry >= 0)
        CboOrg->setCurrentIndex(entry);
    const bool receipt = v.dbAccNo == state().CashAccNo;
    if (!receipt)
        setChosenAccount(QString::number(v.dbAccNo), headShown(v.dbAccName, v.dbAccCode));
    else
        setChosenAccount(QString::number(v.crAccNo), headShown(v.crAccName, v.crAccCode));
    TxtJouDate->setText(datetext::format(v.date));
    txtAmount->setText(plainAmount(v.amount));
    txtNarration->setText(v.narration);
    txtBillNo->setText(v.billNo);
    (receipt ? OptRec : OptPAy)->setChecked(true);
}

void FrmJournal::deleteShownVoucher()
{
    if (say(QStringLiteral("Are You Sue to Delete the Record ?"), MessageIcon::Question, MessageButtons::YesNo) ==
        MessageAnswer::Yes)
        store().remove(VoucherCheck::numberOf(TxtJouNo->text()));
    reset();
}

void FrmJournal::CmdSave_Click()
{
    if (!mayDo(data::Action::SaveVouchers))
        return;
    AppState& s = state();
    const VoucherFields fields{TxtJouDate->text(), chosenAccount(), txtAmount->text(), EditMode, TxtJouNo->text()};
    if (const auto problem = VoucherCheck::check(fields, s.YearStart, s.YearEnd)) {
        say(problem->message, MessageIcon::Information);
        focusOn(problem->field);
        return;
    }
    Connection();
    try {
        if (const auto locked = data::BooksLock(s.Conn).voucherRefusal(*datetext::parse(TxtJouDate->text()))) {
            say(*locked, MessageIcon::Information);
            focusOn(FieldProblem::Field::Date);
            return;
        }
        const int head = chosenAccount().toInt();
        const bool receipt = OptRec->isChecked();
        Voucher v;
        v.shopId = CboOrg->currentData().toLongLong();
        v.debit = receipt ? s.CashAccNo : head;
        v.credit = receipt ? head : s.CashAccNo;
        v.date = *datetext::parse(TxtJouDate->text());
        v.amount = VoucherCheck::amountOf(txtAmount->text());
        v.narration = txtNarration->text();
        v.billNo = txtBillNo->text();
        v.userId = s.Util.UserName();
        const std::optional<qint64> number =
            EditMode ? std::optional(VoucherCheck::numberOf(TxtJouNo->text())) : std::nullopt;
        const qint64 stored = store().save(v, number, head);
        ShowStatus(savedText(stored, EditMode ? QString() : TxtJouNo->text()));
        // The window stays on the voucher while its print is offered.
        TxtJouNo->setText(QString::number(stored));
    } catch (const PellamError& e) {
        say(e.Description(), MessageIcon::Information);
        return;
    }
    if (PrintAfterSave)
        vouprn();
    EditMode = false;
    reset();
}

void FrmJournal::focusOn(FieldProblem::Field field)
{
    using Field = FieldProblem::Field;
    QLineEdit* const box = field == Field::Date      ? TxtJouDate
                           : field == Field::Account ? txtDebitAccId
                           : field == Field::Amount  ? txtAmount
                                                     : TxtJouNo;
    box->setFocus();
}

void FrmJournal::TxtJouDate_LostFocus()
{
    const auto date = datetext::parse(TxtJouDate->text());
    if (!date) {
        say(QStringLiteral("Invalid Journal Date !!!! "), MessageIcon::Information);
        TxtJouDate->setFocus();
        return;
    }
    AppState& s = state();
    if (const auto outside = VoucherCheck::outsideYear(*date, s.YearStart, s.YearEnd)) {
        say(outside->first, MessageIcon::Information);
        TxtJouDate->setText(datetext::format(outside->second));
        return;
    }
    ShowDayList();
}

void FrmJournal::txtDebitAccId_GotFocus()
{
    Connection();
    try {
        PopupGrid1->setRecordSet(store().ledgerHeads(state().CashAccNo));
    } catch (const PellamError& e) {
        say(e.Description(), MessageIcon::Information);
        return;
    }
    PopupGrid1->setColWidth({200, 0, 900, 4500});
    PopupGrid1->setColTitle({QStringLiteral("*"), QString(), QStringLiteral("Ac Code"), QStringLiteral("Account Name")});
}

void FrmJournal::takeLookupRow()
{
    // The empty row of a list with no match chooses nothing.
    const QString accno = PopupGrid1->TextMatrix(1).trimmed();
    if (accno.isEmpty())
        return;
    setChosenAccount(accno, headShown(PopupGrid1->TextMatrix(3).trimmed(), PopupGrid1->TextMatrix(2)));
    PopupGrid1->hide();
    // Setting the box's text restarted the pause; there is nothing to filter.
    PopupGrid1->timer()->stop();
}

QString FrmJournal::chosenAccount() const
{
    return txtDebitAccId->property("Tag").toString();
}

void FrmJournal::setChosenAccount(const QString& accno, const QString& shown)
{
    txtDebitAccId->setText(shown);
    txtDebitAccId->setProperty("Tag", accno);
}

void FrmJournal::vouprn()
{
    if (say(QStringLiteral("Do you want to print the Details ?"), MessageIcon::Question, MessageButtons::YesNo) ==
        MessageAnswer::No)
        return;
    const auto step = [this] {
        PrintedVoucher v;
        // Institution 0 ("<None>") has no name or place; ReportTitle would
        // give the first institution's.
        if (const qint64 shopId = CboOrg->currentData().toLongLong(); shopId != 0) {
            v.shopName = CboOrg->currentText();
            ReportTitle(0, int(shopId), v.placeLine);
        }
        v.payment = OptPAy->isChecked();
        v.billNo = txtBillNo->text();
        const auto date = datetext::parse(TxtJouDate->text());
        v.date = date ? datetext::format(*date) : TxtJouDate->text();
        v.amount = VoucherCheck::amountOf(txtAmount->text());
        v.amountWords = state().Util.ConVNumber(v.amount.toDouble());
        v.narration = txtNarration->text();
        v.account = txtDebitAccId->text();
        RawPrinter::write(VoucherLayout::bytes(v));
    };
    if (runStep(step, QStringLiteral("vouprn"), objectName()) == StepResult::Abandoned)
        reset();
}

bool FrmJournal::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn && (watched == TxtJouDate || watched == txtAmount)) {
        auto* box = static_cast<QLineEdit*>(watched);
        // After the click that gave the focus has placed the caret.
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    } else if (type == QEvent::FocusIn && watched == txtDebitAccId) {
        txtDebitAccId_GotFocus();
    } else if (type == QEvent::FocusOut && leavesTheBox(event)) {
        if (watched == TxtJouNo)
            TxtJouNo_LostFocus();
        else if (watched == TxtJouDate)
            TxtJouDate_LostFocus();
        else if (watched == txtDebitAccId && !PopupGrid1->isAncestorOf(QApplication::focusWidget()))
            PopupGrid1->hide();
    } else if (type == QEvent::KeyPress && watched == txtAmount) {
        // One decimal point; a selected point is replaced, not added to.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral(".") && txtAmount->text().contains(QLatin1Char('.')) &&
            !txtAmount->selectedText().contains(QLatin1Char('.')))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pellam::app
