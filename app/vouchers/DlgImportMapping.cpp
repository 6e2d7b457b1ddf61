#include "vouchers/DlgImportMapping.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormParts.h"
#include "core/Say.h"
#include "data/ImportMappings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

QLineEdit* plainBox(QWidget* parent, const QString& name)
{
    return entryBox(parent, name, 0);
}

} // namespace

DlgImportMapping::DlgImportMapping(const QString& name, QWidget* parent)
    : QDialog(parent), TxtName(plainBox(this, QStringLiteral("TxtName"))),
      TxtDateColumn(plainBox(this, QStringLiteral("TxtDateColumn"))),
      TxtDateFormat(plainBox(this, QStringLiteral("TxtDateFormat"))),
      TxtCreditColumn(plainBox(this, QStringLiteral("TxtCreditColumn"))),
      TxtDebitColumn(plainBox(this, QStringLiteral("TxtDebitColumn"))),
      TxtNarrationColumn(plainBox(this, QStringLiteral("TxtNarrationColumn"))),
      TxtBillColumn(plainBox(this, QStringLiteral("TxtBillColumn"))), CboShop(new QComboBox(this)),
      GrdRules(new QTableWidget(0, 2, this)),
      CmdAddRule(namedButton(this, QStringLiteral("Add &Rule"), QStringLiteral("CmdAddRule"))),
      CmdDeleteRule(namedButton(this, QStringLiteral("&Delete Rule"), QStringLiteral("CmdDeleteRule"))),
      CmdSave(namedButton(this, QStringLiteral("&Save"), QStringLiteral("CmdSave"))),
      CmdCancel(namedButton(this, QStringLiteral("&Cancel"), QStringLiteral("CmdCancel")))
{
    setObjectName(QStringLiteral("DlgImportMapping"));
    setWindowTitle(QStringLiteral("Bank Statement Mapping"));
    CboShop->setObjectName(QStringLiteral("CboShop"));
    GrdRules->setObjectName(QStringLiteral("GrdRules"));
    GrdRules->setHorizontalHeaderLabels({QStringLiteral("Description holds"), QStringLiteral("Head code")});
    GrdRules->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    GrdRules->setTabKeyNavigation(false);

    auto* form = new QFormLayout;
    const auto row = [form](const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption);
        label->setBuddy(box);
        form->addRow(label, box);
    };
    row(QStringLiteral("&Name :"), TxtName);
    row(QStringLiteral("Da&te column :"), TxtDateColumn);
    row(QStringLiteral("Date &format :"), TxtDateFormat);
    row(QStringLiteral("Cr&edit column :"), TxtCreditColumn);
    row(QStringLiteral("De&bit column :"), TxtDebitColumn);
    row(QStringLiteral("Descri&ption column :"), TxtNarrationColumn);
    row(QStringLiteral("Bill No. c&olumn :"), TxtBillColumn);
    row(QStringLiteral("&Institution :"), CboShop);
    auto* rulesLabel = new QLabel(QStringLiteral("R&ules (the first that matches gives the head) :"));
    rulesLabel->setBuddy(GrdRules);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(rulesLabel);
    layout->addWidget(GrdRules);
    layout->addLayout(buttonRow({CmdAddRule, CmdDeleteRule, CmdSave, CmdCancel}));
    resize(520, 520);

    TxtDateFormat->setText(QStringLiteral("dd/mm/yyyy"));
    TxtDateFormat->setToolTip(QStringLiteral("d or dd, m, mm or mmm (Apr), yy or yyyy: dd/mm/yyyy, dd-mmm-yy"));
    connect(CmdAddRule, &QPushButton::clicked, this, &DlgImportMapping::CmdAddRule_Click);
    connect(CmdDeleteRule, &QPushButton::clicked, this, &DlgImportMapping::CmdDeleteRule_Click);
    connect(CmdSave, &QPushButton::clicked, this, &DlgImportMapping::CmdSave_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    CmdSave->setDefault(true);

    runStep([this] { LoadInstitutions(CboShop); }, QStringLiteral("Form_Load"), objectName());
    if (!name.isEmpty())
        runStep([&] { load(name); }, QStringLiteral("Form_Load"), objectName());
}

void DlgImportMapping::load(const QString& name)
{
    data::ImportMappings mappings(state().Conn);
    const std::optional<data::ImportMapping> m = mappings.find(name);
    if (!m)
        return;
    TxtName->setText(m->name);
    // The name is the mapping's key; another name makes another mapping.
    TxtName->setReadOnly(true);
    TxtDateColumn->setText(m->dateColumn);
    TxtDateFormat->setText(m->dateFormat);
    TxtCreditColumn->setText(m->creditColumn);
    TxtDebitColumn->setText(m->debitColumn);
    TxtNarrationColumn->setText(m->narrationColumn);
    TxtBillColumn->setText(m->billColumn);
    CboShop->setCurrentIndex(std::max(0, CboShop->findData(m->shopId)));
    for (const data::ImportRule& rule : mappings.rules(m->name)) {
        const int at = GrdRules->rowCount();
        GrdRules->insertRow(at);
        GrdRules->setItem(at, 0, new QTableWidgetItem(rule.contains));
        GrdRules->setItem(at, 1, new QTableWidgetItem(rule.headCode));
    }
}

void DlgImportMapping::CmdAddRule_Click()
{
    const int at = GrdRules->rowCount();
    GrdRules->insertRow(at);
    GrdRules->setItem(at, 0, new QTableWidgetItem);
    GrdRules->setItem(at, 1, new QTableWidgetItem);
    GrdRules->setCurrentCell(at, 0);
    GrdRules->setFocus();
    GrdRules->editItem(GrdRules->item(at, 0));
}

void DlgImportMapping::CmdDeleteRule_Click()
{
    if (GrdRules->currentRow() >= 0)
        GrdRules->removeRow(GrdRules->currentRow());
    GrdRules->setFocus();
}

void DlgImportMapping::CmdSave_Click()
{
    data::ImportMapping m;
    m.name = TxtName->text();
    m.dateColumn = TxtDateColumn->text();
    m.dateFormat = TxtDateFormat->text();
    m.creditColumn = TxtCreditColumn->text();
    m.debitColumn = TxtDebitColumn->text();
    m.narrationColumn = TxtNarrationColumn->text();
    m.billColumn = TxtBillColumn->text();
    m.shopId = CboShop->currentData().toLongLong();
    QList<data::ImportRule> rules;
    for (int at = 0; at < GrdRules->rowCount(); ++at) {
        const auto cell = [&](int column) { return GrdRules->item(at, column) ? GrdRules->item(at, column)->text() : QString(); };
        // A row left empty is no rule.
        if (cell(0).trimmed().isEmpty() && cell(1).trimmed().isEmpty())
            continue;
        rules.append({0, cell(0), cell(1)});
    }
    std::optional<QString> problem;
    if (runStep([&] { problem = data::ImportMappings(state().Conn).save(m, rules); }, QStringLiteral("CmdSave_Click"),
                objectName()) != StepResult::Done)
        return;
    if (problem) {
        say(*problem, MessageIcon::Exclamation);
        return;
    }
    savedName_ = m.name.trimmed();
    accept();
}

} // namespace pellam::app
