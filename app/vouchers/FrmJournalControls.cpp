// The voucher window's controls: where they stand, how keys are filtered,
// the order Enter and Tab move in, and which handler each event runs.
#include "vouchers/FrmJournal.h"

#include "PellamUtility.h"
#include "common/HostForm.h"
#include "grids/ListGrid.h"
#include "grids/PopupGrid.h"
#include "input/KeyValidator.h"
#include "vouchers/HeadLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pellam::app {

namespace {

// Kinds that only make Enter move on, as Tab does.
constexpr int kEnterOnly = 20;
constexpr int kEnterOnlyList = 30;

template <class W>
W* named(W* widget, const char* name, QRect pixels)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(pixels);
    return widget;
}

void label(QWidget* parent, const QString& text, QRect pixels)
{
    (new QLabel(text, parent))->setGeometry(pixels);
}

} // namespace

void FrmJournal::buildControls()
{
    setObjectName(QStringLiteral("FrmJournal"));
    setWindowTitle(QStringLiteral("Reciept & Payment Entry"));
    resize(640, ctl::pixelsOf(3420));

    label(this, QStringLiteral(" Date :"), {10, 12, 60, 20});
    TxtJouDate = named(new QLineEdit(this), "TxtJouDate", {80, 10, 90, 22});
    TxtJouDate->setInputMask(QStringLiteral("99/99/9999"));
    TxtJouDate->setMaxLength(10);
    label(this, QStringLiteral("Jou. No. :"), {190, 12, 70, 20});
    TxtJouNo = named(new QLineEdit(this), "TxtJouNo", {260, 10, 90, 22});
    label(this, QStringLiteral("Bill  No :"), {370, 12, 70, 20});
    txtBillNo = named(new QLineEdit(this), "txtBillNo", {440, 10, 90, 22});
    txtBillNo->setMaxLength(7);

    label(this, QStringLiteral("Company :"), {10, 42, 70, 20});
    CboOrg = named(new QComboBox(this), "CboOrg", {80, 40, 270, 22});
    Frame1 = named(new QGroupBox(this), "Frame1", {370, 32, 250, 34});
    label(Frame1, QStringLiteral("Type :"), {6, 8, 40, 20});
    OptRec = named(new QRadioButton(QStringLiteral("Reciept"), Frame1), "OptRec", {50, 8, 90, 20});
    OptPAy = named(new QRadioButton(QStringLiteral("Payment"), Frame1), "OptPAy", {150, 8, 90, 20});

    label(this, QStringLiteral("Account:"), {10, 76, 70, 20});
    txtDebitAccId = named(new QLineEdit(this), "txtDebitAccId", {80, 74, 450, 22});
    label(this, QStringLiteral("Amount:"), {10, 106, 70, 20});
    txtAmount = named(new QLineEdit(this), "txtAmount", {80, 104, 140, 22});
    txtAmount->setAlignment(Qt::AlignRight);
    txtAmount->setMaxLength(12);
    label(this, QStringLiteral("Narration:"), {10, 136, 70, 20});
    txtNarration = named(new QLineEdit(this), "txtNarration", {80, 134, 540, 22});

    const char* const names[] = {"CmdSave", "CmdEdit", "CmdDelete", "CmdPrint", "CmdCancel", "CmdClose"};
    const char* const captions[] = {"&Save", "&Edit", "&Delete", "&Print", "&Cancel", "Close"};
    QPushButton** buttons[] = {&CmdSave, &CmdEdit, &CmdDelete, &CmdPrint, &CmdCancel, &CmdClose};
    for (int i = 0; i < 6; ++i)
        *buttons[i] = named(new QPushButton(QString::fromLatin1(captions[i]), this), names[i],
                            {80 + i * 82, 172, 76, 26});
    Check1 = named(new QCheckBox(QStringLiteral("List"), this), "Check1", {580, 176, 55, 20});

    Frame2 = named(new QGroupBox(this), "Frame2", {4, 210, 632, 100});
    ListGrid1 = named(new ctl::ListGrid(Frame2), "ListGrid1", {4, 16, 624, 80});
    Frame2->hide();

    // Last, so that it opens above the boxes below the account box.
    PopupGrid1 = named(new ctl::PopupGrid(this), "PopupGrid1", {80, 97, 450, 120});
    PopupGrid1->setBuddyCtrl(QStringLiteral("txtDebitAccId"));
}

void FrmJournal::wireControls()
{
    using input::KeyValidator;
    KeyValidator::attach(TxtJouNo, PellamUtility::UpperCase);
    KeyValidator::attach(CboOrg, kEnterOnlyList);
    KeyValidator::attach(OptRec, kEnterOnly);
    KeyValidator::attach(OptPAy, kEnterOnly);
    KeyValidator::attach(TxtJouDate, PellamUtility::NumberOnly);
    KeyValidator::attach(txtDebitAccId, PellamUtility::UpperCase);
    KeyValidator::attach(txtAmount, PellamUtility::NumwithDecimalPoint);
    KeyValidator::attach(txtNarration, PellamUtility::UpperCase);
    KeyValidator::attach(txtBillNo, PellamUtility::UpperCase);

    QWidget* const order[] = {TxtJouDate, TxtJouNo, txtBillNo, CboOrg,    OptRec,    OptPAy,   txtDebitAccId,
                              txtAmount,  txtNarration, CmdSave, CmdEdit, CmdDelete, CmdPrint, CmdCancel,
                              CmdClose,   Check1};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    PopupGrid1->setFocusPolicy(Qt::NoFocus);
    // Tab and Enter stop at the chosen type only, as option buttons do.
    const auto tabToChosenType = [this] {
        for (QRadioButton* option : {OptRec, OptPAy})
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* option : {OptRec, OptPAy})
        connect(option, &QRadioButton::toggled, this, tabToChosenType);

    for (QWidget* box : {static_cast<QWidget*>(TxtJouNo), static_cast<QWidget*>(TxtJouDate),
                         static_cast<QWidget*>(txtAmount), static_cast<QWidget*>(txtDebitAccId)})
        box->installEventFilter(this);

    connect(CmdSave, &QPushButton::clicked, this, &FrmJournal::CmdSave_Click);
    connect(CmdEdit, &QPushButton::clicked, this, &FrmJournal::CmdEdit_Click);
    connect(CmdDelete, &QPushButton::clicked, this, &FrmJournal::CmdDelete_Click);
    connect(CmdPrint, &QPushButton::clicked, this, &FrmJournal::CmdPrint_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmJournal::CmdCancel_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FrmJournal::CmdClose_Click);
    connect(Check1, &QCheckBox::clicked, this, &FrmJournal::Check1_Click);

    connect(PopupGrid1, &ctl::PopupGrid::OnChange, this,
            [this](ctl::PopupGrid::Filter* filter) { *filter = headsBeginningWith(txtDebitAccId->text()); });
    connect(PopupGrid1, &ctl::PopupGrid::ToMakeVisible, this, [this] {
        PopupGrid1->raise();
        PopupGrid1->show();
    });
    connect(PopupGrid1, &ctl::PopupGrid::OnSelection, this, [this](int*, int*) { takeLookupRow(); });
}

} // namespace pellam::app
