#include "reports/FrmLedger.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "dialogs/Dialogs.h"
#include "format/DateText.h"
#include "reports/LedgerReport.h"
#include "reports/ReportForm.h"
#include "reports/ReportPrinter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace pellam::app {

FrmLedger::FrmLedger(QWidget* parent) : QWidget(parent)
{
    buildControls();
    Connection();
    runStep([this] { FillLedgerHeads(); }, QStringLiteral("Form_Load"), objectName());
    runStep([this] { LoadInstitutions(LstComp); }, QStringLiteral("Form_Load"), objectName());
    CmdExcel->setEnabled(state().ExcelAvailable);
    HelpKey::attach(this, kHelpContext);
}

void FrmLedger::buildControls()
{
    setObjectName(QStringLiteral("FrmLedger"));
    setWindowTitle(QStringLiteral("Ledger Report"));
    auto* grid = new QGridLayout(this);

    grid->addLayout(institutionPicker(this, "Shop List", LstComp), 0, 0);

    auto* heads = named(new QGroupBox(QStringLiteral("Ledger Heads"), this), "FraHeads");
    auto* headsLayout = new QVBoxLayout(heads);
    LstAcc = multiList(heads, "LstAcc");
    headsLayout->addWidget(LstAcc);
    headsLayout->addLayout(buttonRow({namedButton(heads, QStringLiteral("Select All"), QStringLiteral("cmdSelAll")),
                                      namedButton(heads, QStringLiteral("Select None"), QStringLiteral("CmdSelNone"))}));
    grid->addWidget(heads, 0, 1);

    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("Date From :"), this));
    txtdatefrom = dateBox(this, "txtdatefrom");
    dates->addWidget(txtdatefrom);
    dates->addWidget(new QLabel(QStringLiteral("TO :"), this));
    txtdateto = dateBox(this, "txtdateto");
    dates->addWidget(txtdateto);
    dates->addWidget(new QLabel(QStringLiteral("Page No:"), this));
    txtPage = entryBox(this, QStringLiteral("txtPage"), PellamUtility::NumberOnly);
    txtPage->setMaximumWidth(60);
    dates->addWidget(txtPage);
    grid->addLayout(dates, 1, 0, 1, 2);

    grid->addLayout(reportOptionRow(this, {"Includes", "Sl.No.", "Lines"}), 2, 0, 1, 2);

    QPushButton* prev = namedButton(this, QStringLiteral("Pre&view"), QStringLiteral("CmdPrev"));
    QPushButton* print = namedButton(this, QStringLiteral("&Print"), QStringLiteral("CmdPrint"));
    CmdExcel = namedButton(this, QStringLiteral("To &Excell"), QStringLiteral("CmdExcel"));
    grid->addLayout(buttonRow({prev, print, CmdExcel}), 3, 0, 1, 2);

    const auto click = [this](const char* name, void (FrmLedger::*slot)()) {
        connect(findChild<QPushButton*>(QString::fromLatin1(name)), &QPushButton::clicked, this, slot);
    };
    click("cmdSelAll", &FrmLedger::cmdSelAll_Click);
    click("CmdSelNone", &FrmLedger::CmdSelNone_Click);
    click("CmdPrev", &FrmLedger::CmdPrev_Click);
    click("CmdPrint", &FrmLedger::CmdPrint_Click);
    click("CmdExcel", &FrmLedger::CmdExcel_Click);
    resize(720, 460);
}

void FrmLedger::FillLedgerHeads()
{
    LstAcc->clear();
    db::RecordSet rs =
        state().Conn.query(QStringLiteral("select accno,acccode,accountname from account order by accountname,acccode"));
    for (; !rs.eof(); rs.MoveNext()) {
        auto* item = new QListWidgetItem(rs.toString(QStringLiteral("accountname")).trimmed() + QLatin1Char('(') +
                                         rs.toString(QStringLiteral("acccode")) + QLatin1Char(')'));
        item->setData(Qt::UserRole, int(rs.toInt(QStringLiteral("accno"))));
        LstAcc->addItem(item);
    }
}

void FrmLedger::cmdSelAll_Click() { selectEvery(LstAcc, true); }
void FrmLedger::CmdSelNone_Click() { selectEvery(LstAcc, false); }
void FrmLedger::CmdPrev_Click() { LedgerReport(LedgerPreview); }
void FrmLedger::CmdPrint_Click() { LedgerReport(LedgerPrint); }

void FrmLedger::CmdExcel_Click()
{
    if (CmdExcel->isEnabled())
        LedgerReport(LedgerExcel);
}

std::optional<LedgerRequest> FrmLedger::checkedRequest()
{
    LedgerRequest r;
    r.shops = selectedData<qint64>(LstComp);
    r.heads = selectedData<int>(LstAcc);
    if (r.shops.isEmpty()) {
        refuse(QStringLiteral(" Please Select atleast one shop"), LstComp);
        return std::nullopt;
    }
    if (r.heads.isEmpty()) {
        refuse(QStringLiteral(" Please Select atleast one Ledger"), LstAcc);
        return std::nullopt;
    }
    // A period that is not one would only give an empty ledger.
    for (QLineEdit* box : {txtdatefrom, txtdateto}) {
        if (!datetext::parse(box->text())) {
            refuse(QStringLiteral(" Please Enter a Valid Date"), box);
            return std::nullopt;
        }
    }
    r.from = *datetext::parse(txtdatefrom->text());
    r.to = *datetext::parse(txtdateto->text());
    if (r.from > r.to) {
        refuse(QStringLiteral(" From Date is after To Date"), txtdatefrom);
        return std::nullopt;
    }
    readReportOptions(this, r);
    r.pageOffset = ReportPrinter::pageOffset(txtPage->text());
    return r;
}

void FrmLedger::LedgerReport(short target)
{
    if (const std::optional<LedgerRequest> request = checkedRequest())
        app::LedgerReport(*request, target);
}

} // namespace pellam::app
