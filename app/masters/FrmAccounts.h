#pragma once

#include "masters/LedgerHeadStore.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace pellam::ctl {
class BtnShield;
class ListGrid;
}

namespace pellam::masters {

class OpeningGrid;

// "Ledger Head Details": the ledger heads with their openings in every
// institution, and the printed list of heads.
class FrmAccounts : public QWidget {
    Q_OBJECT
public:
    static constexpr short HelpContextID = 32;

    explicit FrmAccounts(QWidget* parent = nullptr);

    void FillAccountList();

public slots:
    void ListGrid1_OnNavigate(int* Row, int* Cols);
    void UBtnCtrl1_BeforeEditClick(bool* Cancel);
    void UBtnCtrl1_OnAddClick();
    void UBtnCtrl1_OnEditClick();
    void UBtnCtrl1_OnSaveClick(bool* Cancel, bool IsAdd);
    void UBtnCtrl1_OnDeleteClick();
    void UBtnCtrl1_OnRefreshClick(const QString& TrFilterString);
    void UBtnCtrl1_OnCancelClick();
    void UBtnCtrl1_OnPrintClick(bool All, bool* Detailed);
    void txtAccCode_LostFocus();
    // Double click or Enter on the openings: change the current row's opening.
    void OpGrid_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void showHead();
    bool entering() const;
    QString shown() const;

    QLineEdit* txtAccCode;
    QLineEdit* txtAccountName;
    QLineEdit* txtRemarks;
    QCheckBox* chkCarry;
    OpeningGrid* OpGrid;
    ctl::ListGrid* ListGrid1;
    ctl::BtnShield* UBtnCtrl1;
    LedgerHeadStore store_;
    bool placed_ = false;
};

} // namespace pellam::masters
