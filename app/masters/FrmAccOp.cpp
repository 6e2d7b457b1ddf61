#include "masters/FrmAccOp.h"

#include "core/Say.h"
#include "input/KeyValidation.h"
#include "input/KeyValidator.h"
#include "masters/OpeningAmount.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pellam::masters {

FrmAccOp::FrmAccOp(QWidget* parent)
    : QDialog(parent), LblShop(new QLabel), TxtOpAmt(new QLineEdit), CboCrDr(new QComboBox),
      CmdUpdate(new QPushButton(QStringLiteral("&OK"))), CmdCancel(new QPushButton(QStringLiteral("&Cancel")))
{
    setObjectName(QStringLiteral("FrmAccOp"));
    setWindowTitle(QStringLiteral("Form1"));
    LblShop->setObjectName(QStringLiteral("LblShop"));
    TxtOpAmt->setObjectName(QStringLiteral("TxtOpAmt"));
    CboCrDr->setObjectName(QStringLiteral("CboCrDr"));
    CmdUpdate->setObjectName(QStringLiteral("CmdUpdate"));
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    CmdUpdate->setToolTip(QStringLiteral("Click to update list"));
    CboCrDr->addItems({QStringLiteral("Credit"), QStringLiteral("Debit")});
    input::KeyValidator::attach(TxtOpAmt, input::NumberOnly);
    input::KeyValidator::attach(CboCrDr, input::UpperCase);

    auto* frame = new QGroupBox(QStringLiteral("Opening Details"));
    auto* fields = new QFormLayout(frame);
    fields->addRow(LblShop);
    fields->addRow(QStringLiteral("Amount :"), TxtOpAmt);
    fields->addRow(QStringLiteral("Type :"), CboCrDr);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdUpdate);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    CmdUpdate->setDefault(true);

    connect(CmdUpdate, &QPushButton::clicked, this, &FrmAccOp::CmdUpdate_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmAccOp::CmdCancel_Click);
}

void FrmAccOp::fill(const QString& shopName, const QString& amount, const QString& type)
{
    LblShop->setText(shopName);
    TxtOpAmt->setText(amount);
    CboCrDr->setCurrentIndex(type == QLatin1String("C") ? 0 : 1);
    amount_ = amount;
    TxtOpAmt->setFocus();
    TxtOpAmt->selectAll();
}

QString FrmAccOp::typeLetter() const
{
    return CboCrDr->currentText().left(1);
}

void FrmAccOp::CmdUpdate_Click()
{
    const auto amount = openingamount::parse(TxtOpAmt->text());
    if (!amount) {
        app::say(QStringLiteral(" Invalid Amount !!"), MessageIcon::Information);
        TxtOpAmt->setFocus();
        TxtOpAmt->selectAll();
        return;
    }
    amount_ = openingamount::text(amount->paise());
    accept();
}

void FrmAccOp::CmdCancel_Click()
{
    reject();
}

} // namespace pellam::masters
