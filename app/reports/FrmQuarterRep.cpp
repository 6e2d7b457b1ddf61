#include "reports/FrmQuarterRep.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "reports/QuarterlyReport.h"
#include "reports/ReportForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace pellam::app {

FrmQuarterRep::FrmQuarterRep(QWidget* parent) : QWidget(parent)
{
    buildControls();
    Connection();
    runStep([this] { LoadInstitutions(LstComp); }, QStringLiteral("Form_Load"), objectName());
    CmdExcel->setEnabled(state().ExcelAvailable);
    HelpKey::attach(this, kHelpContext);
}

void FrmQuarterRep::buildControls()
{
    setObjectName(QStringLiteral("FrmQuarterRep"));
    setWindowTitle(QStringLiteral("Quarterly Report"));
    auto* grid = new QGridLayout(this);

    grid->addLayout(institutionPicker(this, "Select a Company", LstComp), 0, 0, 1, 2);

    // A list to pick from: typing could only give a quarter that is refused.
    auto* quarter = new QHBoxLayout;
    quarter->addWidget(new QLabel(QStringLiteral("Quarter Selection"), this));
    CboQt = named(new QComboBox(this), "CboQt");
    CboQt->addItems(quarterNames());
    CboQt->setCurrentIndex(0);
    quarter->addWidget(CboQt);
    ChkLine = named(new QCheckBox(QStringLiteral("With Line"), this), "ChkLine");
    input::KeyValidator::attach(ChkLine, 0); // Enter moves on, as in the other boxes
    quarter->addWidget(ChkLine);
    grid->addLayout(quarter, 1, 0, 1, 2);

    CmdCancel = namedButton(this, QStringLiteral("&Print"), QStringLiteral("CmdCancel"));
    CmdExcel = namedButton(this, QStringLiteral("&Excel"), QStringLiteral("CmdExcel"));
    CmdOk = namedButton(this, QStringLiteral("Pre&view"), QStringLiteral("CmdOk"));
    grid->addLayout(buttonRow({CmdCancel, CmdExcel, CmdOk}), 2, 0, 1, 2);
    connect(CmdCancel, &QPushButton::clicked, this, [this] { QuarterlyReport(QuarterlyToPrinter); });
    connect(CmdExcel, &QPushButton::clicked, this, [this] { QuarterlyReport(QuarterlyToExcel); });
    connect(CmdOk, &QPushButton::clicked, this, [this] { QuarterlyReport(QuarterlyToPreview); });
    resize(460, 360);
}


std::optional<QuarterRequest> FrmQuarterRep::checkedRequest()
{
    const std::optional<QList<qint64>> shops = chosenInstitutions(LstComp);
    if (!shops)
        return std::nullopt;
    if (!quarterStartMonth(CboQt->currentText())) {
        refuse(quarterRefusal(), CboQt);
        return std::nullopt;
    }
    QuarterRequest r;
    r.shops = *shops;
    r.quarter = CboQt->currentText();
    r.lines = ChkLine->isChecked();
    r.yearStart = state().YearStart;
    r.yearEnd = state().YearEnd;
    return r;
}

void FrmQuarterRep::QuarterlyReport(short target)
{
    if (target == QuarterlyToExcel && !CmdExcel->isEnabled())
        return;
    if (const std::optional<QuarterRequest> request = checkedRequest())
        app::QuarterlyReport(*request, target);
}

} // namespace pellam::app
