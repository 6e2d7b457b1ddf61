#include "reports/FrmRecPay.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "format/DateText.h"
#include "reports/RecPayReport.h"
#include "reports/ReportForm.h"
#include "reports/ReportPrinter.h"

#include <QGridLayout>
#include <QLabel>

namespace pellam::app {

FrmRecPay::FrmRecPay(QWidget* parent) : QWidget(parent)
{
    buildControls();
    Connection();
    runStep([this] { LoadInstitutions(LstComp); }, QStringLiteral("Form_Load"), objectName());
    CmdOK[RecPayToExcel]->setEnabled(state().ExcelAvailable);
    HelpKey::attach(this, kHelpContext);
}

void FrmRecPay::buildControls()
{
    setObjectName(QStringLiteral("FrmRecPay"));
    setWindowTitle(QStringLiteral("Reciept & Payment"));
    auto* grid = new QGridLayout(this);

    grid->addLayout(institutionPicker(this, "Select a Company", LstComp), 0, 0, 1, 2);

    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("Date From :"), this));
    dates->addWidget(txtdatefrom = dateBox(this, "txtdatefrom"));
    dates->addWidget(new QLabel(QStringLiteral("To :"), this));
    dates->addWidget(txtdateto = dateBox(this, "txtdateto"));
    dates->addWidget(new QLabel(QStringLiteral("Page No :"), this));
    TxtPageNo = entryBox(this, QStringLiteral("TxtPageNo"), PellamUtility::NumberOnly);
    TxtPageNo->setMaximumWidth(60);
    dates->addWidget(TxtPageNo);
    grid->addLayout(dates, 1, 0, 1, 2);

    grid->addLayout(reportOptionRow(this, {"Include", "Sl. No.", "Line"}), 2, 0, 1, 2);

    const char* const captions[] = {"&Print", "Pre&view", "&To Excel"};
    for (short i = 0; i < 3; ++i) {
        CmdOK[i] = namedButton(this, QString::fromLatin1(captions[i]), QStringLiteral("CmdOK%1").arg(i));
        connect(CmdOK[i], &QPushButton::clicked, this, [this, i] { CmdOK_Click(i); });
    }
    grid->addLayout(buttonRow({CmdOK[0], CmdOK[1], CmdOK[2]}), 3, 0, 1, 2);
    resize(560, 400);
}


std::optional<ReportChoices> FrmRecPay::checkedRequest()
{
    const auto from = datetext::parse(txtdatefrom->text());
    if (!from) {
        refuse(QStringLiteral(" Invalid from Date"), txtdatefrom);
        return std::nullopt;
    }
    const auto to = datetext::parse(txtdateto->text());
    if (!to) {
        refuse(QStringLiteral(" Invalid to Date"), txtdateto);
        return std::nullopt;
    }
    const std::optional<QList<qint64>> shops = chosenInstitutions(LstComp);
    if (!shops)
        return std::nullopt;
    // A period that ends before it begins would only give an empty cash book.
    if (*from > *to) {
        refuse(QStringLiteral(" From Date is after To Date"), txtdatefrom);
        return std::nullopt;
    }
    ReportChoices r;
    r.shops = *shops;
    r.from = *from;
    r.to = *to;
    readReportOptions(this, r);
    r.pageOffset = ReportPrinter::pageOffset(TxtPageNo->text());
    return r;
}

void FrmRecPay::CmdOK_Click(short index)
{
    if (!CmdOK[index]->isEnabled())
        return;
    if (const std::optional<ReportChoices> request = checkedRequest())
        RecPayReport(*request, index);
}

} // namespace pellam::app
