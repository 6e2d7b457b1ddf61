#pragma once

#include "masters/InstitutionStore.h"

#include <QWidget>

class QLineEdit;

namespace pellam::ctl {
class BtnShield;
class ListGrid;
}

namespace pellam::masters {

// "Company Details": the institutions of the books, with their addresses
// and the titles under which each heads its reports.
class FrmCompany : public QWidget {
    Q_OBJECT
public:
    static constexpr short HelpContextID = 31;

    explicit FrmCompany(QWidget* parent = nullptr);

    void FillCompanyList();

public slots:
    void ListGrid1_OnNavigate(int* Row, int* Cols);
    void UBtnCtrl1_BeforeEditClick(bool* Cancel);
    void UBtnCtrl1_OnAddClick();
    void UBtnCtrl1_OnEditClick();
    void UBtnCtrl1_OnSaveClick(bool* Cancel, bool IsAdd);
    void UBtnCtrl1_OnDeleteClick();
    void UBtnCtrl1_OnRefreshClick(const QString& TrFilterString);

private:
    void Form_Load();
    void showInstitution();
    Institution fields() const;
    QString shown() const;

    QLineEdit* txtName;
    QLineEdit* txtPlace;
    QLineEdit* txtPost;
    QLineEdit* txtPinCode;
    QLineEdit* txtLedname;
    QLineEdit* txtRecName;
    QLineEdit* txtQname;
    QLineEdit* txtMonName;
    ctl::ListGrid* ListGrid1;
    ctl::BtnShield* UBtnCtrl1;
    InstitutionStore store_;
};

} // namespace pellam::masters
