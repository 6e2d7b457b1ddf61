#pragma once

#include "data/VoucherCheck.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pellam::ctl {
class ListGrid;
class PopupGrid;
} // namespace pellam::ctl

namespace pellam::data {
struct StoredVoucher;
struct Voucher;
class VoucherStore;
} // namespace pellam::data

namespace pellam::app {

// The window's checks and store live with the books, so that the command
// line stores vouchers the same way.
using data::FieldProblem;
using data::StoredVoucher;
using data::Voucher;
using data::VoucherCheck;
using data::VoucherFields;
using data::VoucherStore;

// "Reciept & Payment Entry": the one place where receipts and payments are
// entered, changed, deleted and printed again. One side of every voucher is
// the cash account; the user picks the other head, the type, the
// institution, the date, the amount and the texts. The journal number box
// drives the edit, delete and print modes: leaving it loads that voucher.
class FrmJournal : public QWidget {
    Q_OBJECT
public:
    explicit FrmJournal(QWidget* parent = nullptr);

    // The help page's topic for this window, opened by F1.
    static constexpr short kHelpContext = 41;

    // Opens the window inside the main window (the menu's "&Receipt && Payment").
    static FrmJournal* open();

    bool EditMode = false;
    bool DeleteMode = false;
    bool PrintMode = false;
    bool PrintAfterSave = false;

    // The form's height in twips: 3420 without the day list.
    int formHeightTwips() const;

public slots:
    void Form_Load();
    void CmdCancel_Click();
    void CmdEdit_Click();
    void CmdDelete_Click();
    void CmdPrint_Click();
    void CmdSave_Click();
    void CmdClose_Click();
    void TxtJouNo_LostFocus();
    void TxtJouDate_LostFocus();
    void txtDebitAccId_GotFocus();
    void Check1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void wireControls();
    void reset();
    void enterMode(bool& mode);
    void ShowNextJournalNo();
    void SetEntryButtons();
    void ShowDayList();
    void vouprn();
    void refuseOtherNumber();
    void showVoucher(const StoredVoucher& voucher);
    void deleteShownVoucher();
    void focusOn(FieldProblem::Field field);
    void setFormHeight(int twips);
    void takeLookupRow();
    QString chosenAccount() const;
    void setChosenAccount(const QString& accno, const QString& shown);

    QLineEdit* TxtJouNo;
    QComboBox* CboOrg;
    QGroupBox* Frame1;
    QRadioButton* OptRec;
    QRadioButton* OptPAy;
    QLineEdit* TxtJouDate;
    QLineEdit* txtDebitAccId;
    QLineEdit* txtAmount;
    QLineEdit* txtNarration;
    QLineEdit* txtBillNo;
    QCheckBox* Check1;
    QGroupBox* Frame2;
    ctl::ListGrid* ListGrid1;
    ctl::PopupGrid* PopupGrid1;
    QPushButton* CmdSave;
    QPushButton* CmdEdit;
    QPushButton* CmdDelete;
    QPushButton* CmdPrint;
    QPushButton* CmdCancel;
    QPushButton* CmdClose;
    bool loading_ = false;
};

} // namespace pellam::app
