#include "reports/FrmRecPaySum.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "format/DateText.h"
#include "reports/RecPaySummaryReport.h"
#include "reports/ReportForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace pellam::app {

FrmRecPaySum::FrmRecPaySum(QWidget* parent) : QWidget(parent)
{
    buildControls();
    Connection();
    runStep([this] { LoadInstitutions(LstComp); }, QStringLiteral("Form_Load"), objectName());
    // The period starts with the year's first day and ends today.
    txtdatefrom->setText(datetext::format(state().YearStart));
    CmdExcel->setEnabled(state().ExcelAvailable);
    HelpKey::attach(this, kHelpContext);
}

void FrmRecPaySum::buildControls()
{
    setObjectName(QStringLiteral("FrmRecPaySum"));
    setWindowTitle(QStringLiteral("Reciept & Payment Summary"));
    auto* grid = new QGridLayout(this);

    grid->addLayout(institutionPicker(this, "Select a Company", LstComp), 0, 0);

    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("Date From :"), this));
    dates->addWidget(txtdatefrom = dateBox(this, "txtdatefrom"));
    dates->addWidget(new QLabel(QStringLiteral("To :"), this));
    dates->addWidget(txtdateto = dateBox(this, "txtdateto"));
    grid->addLayout(dates, 1, 0);
    ChkOp = named(new QCheckBox(QStringLiteral("With Opening Balance"), this), "ChkOp");
    input::KeyValidator::attach(ChkOp, 0); // Enter moves on, as in the other boxes
    grid->addWidget(ChkOp, 2, 0);

    CmdOk = namedButton(this, QStringLiteral("Pre&view"), QStringLiteral("CmdOk"));
    CmdCancel = namedButton(this, QStringLiteral("&Print"), QStringLiteral("CmdCancel"));
    CmdExcel = namedButton(this, QStringLiteral("To Excel"), QStringLiteral("CmdExcel"));
    grid->addLayout(buttonRow({CmdOk, CmdCancel, CmdExcel}), 3, 0);
    connect(CmdOk, &QPushButton::clicked, this, &FrmRecPaySum::CmdOk_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmRecPaySum::CmdCancel_Click);
    connect(CmdExcel, &QPushButton::clicked, this, &FrmRecPaySum::CmdExcel_Click);
    resize(520, 380);
}

void FrmRecPaySum::CmdOk_Click() { run(SummaryToPreview); }
void FrmRecPaySum::CmdCancel_Click() { run(SummaryToPrinter); }
void FrmRecPaySum::CmdExcel_Click() { run(SummaryToExcel); }

std::optional<SummaryRequest> FrmRecPaySum::checkedRequest()
{
    const std::optional<QList<qint64>> shops = chosenInstitutions(LstComp);
    if (!shops)
        return std::nullopt;
    const auto to = datetext::parse(txtdateto->text());
    if (!to) {
        refuse(QStringLiteral("Invalid to date"), txtdateto);
        return std::nullopt;
    }
    const auto from = datetext::parse(txtdatefrom->text());
    if (!from) {
        refuse(QStringLiteral("Invalid From date"), txtdatefrom);
        return std::nullopt;
    }
    // A period that ends before it begins would only give zeros.
    if (*from > *to) {
        refuse(QStringLiteral(" From Date is after To Date"), txtdatefrom);
        return std::nullopt;
    }
    SummaryRequest r;
    r.shops = *shops;
    r.from = *from;
    r.to = *to;
    r.fromText = txtdatefrom->text();
    r.toText = txtdateto->text();
    r.withOpening = ChkOp->isChecked();
    return r;
}

void FrmRecPaySum::run(short target)
{
    if (target == SummaryToExcel && !CmdExcel->isEnabled())
        return;
    if (const std::optional<SummaryRequest> request = checkedRequest())
        RecPaySummaryReport(*request, target);
}

} // namespace pellam::app
