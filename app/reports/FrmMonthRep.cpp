#include "reports/FrmMonthRep.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/HelpKey.h"
#include "reports/MonthlyReport.h"
#include "reports/ReportForm.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QVBoxLayout>

namespace pellam::app {

FrmMonthRep::FrmMonthRep(QWidget* parent) : QWidget(parent)
{
    buildControls();
    Connection();
    runStep([this] { LoadInstitutions(LstComp); }, QStringLiteral("Form_Load"), objectName());
    HelpKey::attach(this, kHelpContext);
}

void FrmMonthRep::buildControls()
{
    setObjectName(QStringLiteral("FrmMonthRep"));
    setWindowTitle(QStringLiteral("Monthly Report"));
    auto* column = new QVBoxLayout(this);

    column->addLayout(institutionPicker(this, "Select the Company", LstComp));

    column->addWidget(new QLabel(QStringLiteral("Select The Month"), this));
    CboQt = named(new QComboBox(this), "CboQt");
    for (int month = 1; month <= 12; ++month)
        CboQt->addItem(monthName(month), month);
    CboQt->setCurrentIndex(QDate::currentDate().month() - 1);
    column->addWidget(CboQt);

    QPushButton* preview = namedButton(this, QStringLiteral("Pre&view"), QStringLiteral("CmdOk"));
    QPushButton* print = namedButton(this, QStringLiteral("&Print"), QStringLiteral("CmdCancel"));
    column->addLayout(buttonRow({preview, print}));

    connect(preview, &QPushButton::clicked, this, &FrmMonthRep::CmdOk_Click);
    connect(print, &QPushButton::clicked, this, &FrmMonthRep::CmdCancel_Click);
    resize(400, 360);
}

void FrmMonthRep::CmdOk_Click() { run(MonthlyToPreview); }
void FrmMonthRep::CmdCancel_Click() { run(MonthlyToPrinter); }

std::optional<MonthlyRequest> FrmMonthRep::checkedRequest()
{
    const std::optional<QList<qint64>> shops = chosenInstitutions(LstComp);
    if (!shops)
        return std::nullopt;
    MonthlyRequest r;
    r.shops = *shops;
    r.month = CboQt->currentData().toInt();
    r.yearStart = state().YearStart;
    r.yearEnd = state().YearEnd;
    return r;
}

void FrmMonthRep::run(short target)
{
    if (const std::optional<MonthlyRequest> request = checkedRequest())
        MonthlyReport(*request, target);
}

} // namespace pellam::app
