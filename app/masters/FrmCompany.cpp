#include "masters/FrmCompany.h"

#include "buttonbar/BtnShield.h"
#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/HelpKey.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "grids/ListGrid.h"
#include "input/KeyValidation.h"
#include "input/KeyValidator.h"
#include "masters/ListRows.h"
#include "masters/RecordBar.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pellam::masters {

namespace {

const QString kForm = QStringLiteral("FrmCompany");
const char* const kTag = "Tag";

QLineEdit* entry(const char* name, int kind)
{
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    input::KeyValidator::attach(box, kind);
    return box;
}

} // namespace

FrmCompany::FrmCompany(QWidget* parent)
    : QWidget(parent), txtName(entry("txtName", input::UpperCase)), txtPlace(entry("txtPlace", input::UpperCase)),
      txtPost(entry("txtPost", input::UpperCase)), txtPinCode(entry("txtPinCode", input::NumberOnly)),
      txtLedname(entry("txtLedname", input::UpperCase)), txtRecName(entry("txtRecName", input::UpperCase)),
      txtQname(entry("txtQname", input::UpperCase)), txtMonName(entry("txtMonName", input::UpperCase)),
      ListGrid1(new ctl::ListGrid), UBtnCtrl1(new ctl::BtnShield), store_(app::state().Conn)
{
    setObjectName(kForm);
    setWindowTitle(QStringLiteral("Company Details"));
    ListGrid1->setObjectName(QStringLiteral("ListGrid1"));
    txtPinCode->setMaxLength(7);
    setUpRecordBar(UBtnCtrl1, false);

    auto* address = new QFormLayout;
    address->addRow(QStringLiteral("Name:"), txtName);
    address->addRow(QStringLiteral("Place:"), txtPlace);
    address->addRow(QStringLiteral("Post:"), txtPost);
    address->addRow(QStringLiteral("Pin Code:"), txtPinCode);
    auto* titles = new QGroupBox(QStringLiteral("The Name of the Oraganization to be Displayed  in the  Various Reports"));
    auto* titleRows = new QFormLayout(titles);
    titleRows->addRow(QStringLiteral("Ledger  Report"), txtLedname);
    titleRows->addRow(QStringLiteral("Reciept and Payment Report "), txtRecName);
    titleRows->addRow(QStringLiteral("Quarter Statement "), txtQname);
    titleRows->addRow(QStringLiteral("Monthly Statement "), txtMonName);
    auto* fieldsColumn = new QVBoxLayout;
    fieldsColumn->addLayout(address);
    fieldsColumn->addWidget(titles);
    fieldsColumn->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(fieldsColumn, 3);
    body->addWidget(ListGrid1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(UBtnCtrl1);
    resize(820, 420);
    QWidget* order[] = {txtName, txtPlace, txtPost, txtPinCode, txtLedname, txtRecName, txtQname, txtMonName};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    app::HelpKey::attach(this, HelpContextID);

    connectRecordBar(this, UBtnCtrl1, ListGrid1);
    Form_Load();
}

void FrmCompany::Form_Load()
{
    app::state().Util.DisCtrll(this);
    FillCompanyList();
}

void FrmCompany::FillCompanyList()
{
    if (!app::Connection())
        return;
    app::runStep(
        [this] {
            ListGrid1->SetGridProperties(store_.list(), {200, 500, 2500, 1500, 1500, 1500}, {"*", "ID", "Name"}, 2);
        },
        QStringLiteral("FillCompanyList"), kForm);
}

QString FrmCompany::shown() const
{
    return txtName->property(kTag).toString();
}

void FrmCompany::ListGrid1_OnNavigate(int*, int*)
{
    const auto mode = UBtnCtrl1->ButtonMode();
    if (mode == ctl::BtnShield::TrAdding || mode == ctl::BtnShield::TrEditing)
        return;
    showInstitution();
}

void FrmCompany::showInstitution()
{
    txtName->setProperty(kTag, ListGrid1->TextMatrix(1));
    QLineEdit* boxes[] = {txtName, txtPlace, txtPost, txtPinCode, txtLedname, txtRecName, txtQname, txtMonName};
    int col = 2;
    for (QLineEdit* box : boxes)
        box->setText(ListGrid1->TextMatrix(col++));
}

Institution FrmCompany::fields() const
{
    return {shown().toInt(),    txtName->text(),   txtPlace->text(), txtPost->text(), txtPinCode->text(),
            txtLedname->text(), txtRecName->text(), txtQname->text(), txtMonName->text()};
}

void FrmCompany::UBtnCtrl1_BeforeEditClick(bool* Cancel)
{
    // With no institution shown there is nothing to edit.
    if (shown().isEmpty())
        *Cancel = true;
}

void FrmCompany::UBtnCtrl1_OnAddClick()
{
    txtName->setFocus();
}

void FrmCompany::UBtnCtrl1_OnEditClick()
{
    txtName->setFocus();
}

void FrmCompany::UBtnCtrl1_OnSaveClick(bool* Cancel, bool IsAdd)
{
    if (txtName->text().trimmed().isEmpty()) {
        app::say(QStringLiteral("Invalid Company Name"), MessageIcon::Information);
        txtName->setFocus();
        return;
    }
    if (!app::Connection() || !app::mayDo(data::Action::ChangeMasters))
        return;
    const Institution institution = fields();
    int number = institution.shopId;
    const app::StepResult saved = app::runStep(
        [&] {
            if (IsAdd)
                number = store_.add(institution);
            else
                store_.update(institution);
        },
        QStringLiteral("UBtnCtrl1_OnSaveClick"), kForm);
    // A save the user chose to skip stored nothing, so the bar stays in entry.
    if (saved != app::StepResult::Done)
        return;
    txtName->setProperty(kTag, QString::number(number));
    *Cancel = false;
}

void FrmCompany::UBtnCtrl1_OnDeleteClick()
{
    if (shown().isEmpty() || !app::Connection() || !app::mayDo(data::Action::ChangeMasters))
        return;
    const int n = shown().toInt();
    InstitutionDeleteGuard guard = InstitutionDeleteGuard::None;
    if (app::runStep([&] { guard = store_.deleteGuard(n); }, QStringLiteral("UBtnCtrl1_OnDeleteClick"), kForm) !=
        app::StepResult::Done)
        return;
    switch (guard) {
    case InstitutionDeleteGuard::Permanent:
        app::say(QStringLiteral("Unable to delete the Record"));
        return;
    case InstitutionDeleteGuard::OpeningExists:
        app::say(QStringLiteral("This record cannot be deleted!!! Opening Amount Exist"), MessageIcon::Information);
        return;
    case InstitutionDeleteGuard::TransactionExists:
        app::say(QStringLiteral("This record cannot be deleted!! Transaction Exist.."), MessageIcon::Information);
        return;
    case InstitutionDeleteGuard::None:
        break;
    }
    app::runStep([&] { store_.remove(n); }, QStringLiteral("UBtnCtrl1_OnDeleteClick"), kForm);
}

void FrmCompany::UBtnCtrl1_OnRefreshClick(const QString&)
{
    // Reloading moves the list to its first row; the institution shown
    // before (the one just saved, or whose edit was cancelled) stays shown.
    const QString keep = shown();
    FillCompanyList();
    if (selectListRow(ListGrid1, 1, keep))
        showInstitution();
}

} // namespace pellam::masters
