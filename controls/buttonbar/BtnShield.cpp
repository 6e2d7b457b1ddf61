#include "buttonbar/BtnShield.h"

#include "buttonbar/BarButtons.h"
#include "buttonbar/HostEntries.h"
#include "common/HostForm.h"
#include "dialogs/Dialogs.h"
#include "print/FrmPrnDlg.h"
#include "print/FrmPrnSelect.h"

#include <QPushButton>

namespace pellam::ctl {

namespace {

const QString kAddTip = QStringLiteral("Click to Add a New Record");
const QString kEditTip = QStringLiteral("Click to edit the Existing Record");
const QString kSearchTip = QStringLiteral("Click to Search a particular record");
const QString kStartTip = QStringLiteral("Click to start searching for the given criteria");
const QString kAllTip = QStringLiteral("Click to get all records");
const QString kSaveTip = QStringLiteral("Click to Save the changes");
const QString kCancelTip = QStringLiteral("Click to Cancel the changes");

// A desktop colour number: 0x00BBGGRR, or with the high bit set a system
// colour, of which the bar uses button faces.
QColor colourOf(quint32 number, const QPalette& palette)
{
    if (number & 0x80000000u)
        return palette.color(QPalette::Button);
    return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

} // namespace

BtnShield::BtnShield(QWidget* parent) : QFrame(parent), buttons_(std::make_unique<BarButtons>(this))
{
    setObjectName(QStringLiteral("BtnShield"));
    markComposite(this);
    connect(buttons_->CmdAdd, &QPushButton::clicked, this, &BtnShield::CmdAdd_Click);
    connect(buttons_->cmdEdit, &QPushButton::clicked, this, &BtnShield::cmdEdit_Click);
    connect(buttons_->CmdDelete, &QPushButton::clicked, this, &BtnShield::CmdDelete_Click);
    connect(buttons_->CmdPrint, &QPushButton::clicked, this, &BtnShield::CmdPrint_Click);
    connect(buttons_->cmdSearch, &QPushButton::clicked, this, &BtnShield::cmdSearch_Click);
    connect(buttons_->cmdRefresh, &QPushButton::clicked, this, &BtnShield::cmdRefresh_Click);
    connect(buttons_->CmdClose, &QPushButton::clicked, this, &BtnShield::CmdClose_Click);
    resize(7 * 75, 25);
    updateButtons();
    arrange();
}

BtnShield::~BtnShield() = default;

QWidget* BtnShield::host() const
{
    return HostForm::of(this);
}

// ---- properties

void BtnShield::setBOrientation(TEOrient orientation)
{
    orientation_ = orientation;
    arrange();
}

void BtnShield::setImageBtn(bool pictures)
{
    imageBtn_ = pictures;
    buttons_->showPictures(pictures);
}

void BtnShield::setIsCloseBtn(bool shown)
{
    closeShown_ = shown;
    arrange();
}

void BtnShield::setIsPrintBtn(bool shown)
{
    printShown_ = shown;
    arrange();
}

void BtnShield::setIsSearchBtn(bool shown)
{
    searchShown_ = shown;
    arrange();
}

void BtnShield::setAllowAdd(bool allow)
{
    allowAdd_ = allow;
    // While a record is entered or searched the button has another job.
    if (mode_ == TrNone)
        buttons_->CmdAdd->setEnabled(allow);
}

void BtnShield::setAllowEdit(bool allow)
{
    allowEdit_ = allow;
    if (mode_ == TrNone)
        buttons_->cmdEdit->setEnabled(allow);
}

void BtnShield::setAllowDelete(bool allow)
{
    allowDelete_ = allow;
    // While a record is entered or searched the button stays off; the next
    // return to the list applies the new value.
    if (mode_ == TrNone)
        buttons_->CmdDelete->setEnabled(allow);
}

void BtnShield::setAllowPrint(bool allow)
{
    allowPrint_ = allow;
    if (mode_ == TrNone)
        buttons_->CmdPrint->setEnabled(allow);
}

QFont BtnShield::Font() const
{
    return buttons_->CmdAdd->font();
}

void BtnShield::setButtonsFont(const QFont& font)
{
    buttons_->setFont(font);
    buttons_->showPictures(imageBtn_);
}

void BtnShield::setBackColor(quint32 colour)
{
    backColor_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colourOf(colour, p));
    setPalette(p);
    setAutoFillBackground(true);
}

void BtnShield::setBorderStyle(CtlBorderStyles style)
{
    borderStyle_ = style;
    setFrameShape(style == Fixed_Single ? QFrame::Box : QFrame::NoFrame);
    arrange();
}

void BtnShield::setAppearance(qint16 appearance)
{
    appearance_ = appearance;
    setFrameShadow(appearance == 1 ? QFrame::Sunken : QFrame::Plain);
}

void BtnShield::setRecordCount(int count)
{
    recordCount_ = count;
    updateButtons();
}

// ---- the form's entry controls

void BtnShield::EmptyCtrl(QWidget* frm)
{
    HostEntries::empty(frm, clearTag_);
}

void BtnShield::DisCtrll(QWidget* ActFrm)
{
    if (entryLocking_ == EnableProperty)
        HostEntries::setEnabled(ActFrm, false);
    else if (entryLocking_ == LockProperty)
        dialogs().message({QStringLiteral("Not Avaliable this Time"), {}, MessageButtons::Ok, MessageIcon::Information});
}

void BtnShield::EnableCtrl(QWidget* ActFrm)
{
    if (entryLocking_ == EnableProperty)
        HostEntries::setEnabled(ActFrm, true);
    else if (entryLocking_ == LockProperty)
        dialogs().message({QStringLiteral("Not Avaliable this Time"), {}, MessageButtons::Ok, MessageIcon::Information});
}

// ---- button states and layout

void BtnShield::updateButtons()
{
    BarButtons& b = *buttons_;
    if (entering()) {
        BarButtons::label(b.CmdAdd, QStringLiteral("&Save"), kSaveTip);
        BarButtons::label(b.cmdEdit, QStringLiteral("&Cancel"), kCancelTip);
        b.CmdAdd->setEnabled(true);
        b.cmdEdit->setEnabled(true);
        for (QPushButton* off : {b.cmdSearch, b.CmdDelete, b.CmdPrint, b.cmdRefresh, b.CmdClose})
            off->setEnabled(false);
    } else if (mode_ == TrSearching) {
        BarButtons::label(b.cmdEdit, QStringLiteral("&Cancel"), kCancelTip);
        BarButtons::label(b.cmdSearch, QStringLiteral("&Start"), kStartTip);
        b.cmdEdit->setEnabled(true);
        b.cmdSearch->setEnabled(true);
        for (QPushButton* off : {b.CmdAdd, b.CmdDelete, b.CmdPrint, b.cmdRefresh})
            off->setEnabled(false);
    } else {
        BarButtons::label(b.CmdAdd, QStringLiteral("&Add"), kAddTip);
        BarButtons::label(b.cmdEdit, QStringLiteral("&Edit"), kEditTip);
        if (filterApplied_)
            BarButtons::label(b.cmdSearch, QStringLiteral("&All"), kAllTip);
        else
            BarButtons::label(b.cmdSearch, QStringLiteral("&Search"), kSearchTip);
        b.CmdAdd->setEnabled(allowAdd_);
        b.cmdEdit->setEnabled(allowEdit_);
        b.cmdSearch->setEnabled(true);
        b.CmdDelete->setEnabled(allowDelete_);
        b.CmdPrint->setEnabled(allowPrint_);
        b.cmdRefresh->setEnabled(true);
        // Close comes back with the list, also after an edit of a filtered list.
        b.CmdClose->setEnabled(true);
    }
}

void BtnShield::arrange()
{
    buttons_->arrange(contentsRect(), orientation_ == TrVertical, closeShown_, printShown_, searchShown_);
}

void BtnShield::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    arrange();
}

void BtnShield::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (firstShown_)
        return;
    // The form opens with its entries locked and asks for its records.
    firstShown_ = true;
    DisCtrll(host());
    emit OnRefreshClick(filterString_);
}

// ---- clicks

void BtnShield::refreshIfAlways()
{
    if (refreshAlways_)
        emit OnRefreshClick(filterString_);
}

void BtnShield::CmdAdd_Click()
{
    if (entering())
        save();
    else
        add();
}

void BtnShield::add()
{
    cancel_ = false;
    emit BeforeAddClick(&cancel_);
    if (cancel_)
        return;
    EmptyCtrl(host());
    EnableCtrl(host());
    mode_ = TrAdding;
    emit OnAddClick();
    updateButtons();
}

void BtnShield::save()
{
    const bool isAdd = mode_ == TrAdding;
    cancel_ = false;
    emit BeforeSaveClick(&cancel_, isAdd);
    if (cancel_)
        return;
    // The host clears the flag once the record is saved; a save that failed
    // (or nobody to save) keeps the record on screen.
    cancel_ = true;
    emit OnSaveClick(&cancel_, isAdd);
    if (cancel_)
        return;
    mode_ = TrNone;
    DisCtrll(host());
    refreshIfAlways();
    updateButtons();
}

void BtnShield::cmdEdit_Click()
{
    if (mode_ == TrNone) {
        cancel_ = false;
        emit BeforeEditClick(&cancel_);
        if (cancel_)
            return;
        mode_ = TrEditing;
        EnableCtrl(host());
        emit OnEditClick();
        updateButtons();
        return;
    }
    emit OnCancelClick();
    mode_ = TrNone;
    DisCtrll(host());
    refreshIfAlways();
    updateButtons();
}

void BtnShield::CmdDelete_Click()
{
    cancel_ = false;
    emit BeforeDeleteClick(&cancel_);
    if (cancel_) {
        updateButtons();
        return;
    }
    if (confirmDelete_) {
        const MessageAnswer answer =
            dialogs().message({QStringLiteral("Are You sure to Delete?"),
                               QStringLiteral("Delete.. ") + HostForm::caption(host()), MessageButtons::YesNo,
                               MessageIcon::Question, 1});
        if (answer != MessageAnswer::Yes)
            return;
    }
    emit OnDeleteClick();
    refreshIfAlways();
    updateButtons();
}

void BtnShield::cmdSearch_Click()
{
    if (mode_ == TrSearching)
        start();
    else if (filterApplied_)
        showAll();
    else
        search();
}

void BtnShield::search()
{
    if (resetOnFind_)
        EmptyCtrl(host());
    EnableCtrl(host());
    emit OnSearchClick();
    mode_ = TrSearching;
    filterApplied_ = false;
    updateButtons();
}

void BtnShield::start()
{
    DisCtrll(host());
    emit OnStartClick(&filterString_);
    emit OnRefreshClick(filterString_);
    mode_ = TrNone;
    filterApplied_ = true;
    updateButtons();
}

void BtnShield::showAll()
{
    filterApplied_ = false;
    filterString_.clear();
    emit OnStopClick();
    emit OnRefreshClick(filterString_);
    updateButtons();
}

void BtnShield::cmdRefresh_Click()
{
    emit OnRefreshClick(filterString_);
}

void BtnShield::printWithChoices(bool all, bool detailed)
{
    emit OnPrintClick(all, &detailed);
}

void BtnShield::CmdPrint_Click()
{
    if (printOptions_ == PrintDialog) {
        FrmPrnDlg dialog(host());
        dialog.exec();
        if (dialog.OK())
            printWithChoices(dialog.allRecords(), dialog.detailed());
        return;
    }
    printWithChoices(FrmPrnDlg::kDefaultAll, FrmPrnDlg::kDefaultDetailed);
    if (printOptions_ == Wizard) {
        FrmPrnSelect wizard(host());
        wizard.setRecordSet(printRecordSet_);
        wizard.exec();
    }
}

void BtnShield::CmdClose_Click()
{
    if (confirmClose_) {
        const MessageAnswer answer = dialogs().message(
            {HostForm::caption(host()) + QStringLiteral(" is getting to end\n\n  Are You Sure?"), {},
             MessageButtons::YesNo, MessageIcon::None});
        if (answer != MessageAnswer::Yes)
            return;
    }
    HostForm::close(host());
}

} // namespace pellam::ctl
