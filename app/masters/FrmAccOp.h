#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pellam::masters {

// The small dialog in which one opening of a ledger head is changed: the
// institution's name, the amount and Credit or Debit.
class FrmAccOp : public QDialog {
    Q_OBJECT
public:
    explicit FrmAccOp(QWidget* parent = nullptr);

    // Shows an opening: the institution, the amount text and "C" or "D".
    void fill(const QString& shopName, const QString& amount, const QString& type);
    // After "&OK": the amount as it will be stored, and "C" or "D".
    QString amountText() const { return amount_; }
    QString typeLetter() const;

public slots:
    void CmdUpdate_Click();
    void CmdCancel_Click();

private:
    QLabel* LblShop;
    QLineEdit* TxtOpAmt;
    QComboBox* CboCrDr;
    QPushButton* CmdUpdate;
    QPushButton* CmdCancel;
    QString amount_;
};

} // namespace pellam::masters
