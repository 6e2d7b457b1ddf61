#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pellam::app {

// Makes a mapping of a bank's CSV export, or changes one, with the rules
// that give its rows their heads. Save stores the mapping and its rules
// together, or says why not and stays open.
class DlgImportMapping : public QDialog {
    Q_OBJECT
public:
    // `name` empty makes a new mapping.
    explicit DlgImportMapping(const QString& name, QWidget* parent = nullptr);

    // The mapping's name once saved.
    QString savedName() const { return savedName_; }

public slots:
    void CmdAddRule_Click();
    void CmdDeleteRule_Click();
    void CmdSave_Click();

private:
    void load(const QString& name);

    QLineEdit* TxtName;
    QLineEdit* TxtDateColumn;
    QLineEdit* TxtDateFormat;
    QLineEdit* TxtCreditColumn;
    QLineEdit* TxtDebitColumn;
    QLineEdit* TxtNarrationColumn;
    QLineEdit* TxtBillColumn;
    QComboBox* CboShop;
    QTableWidget* GrdRules;
    QPushButton* CmdAddRule;
    QPushButton* CmdDeleteRule;
    QPushButton* CmdSave;
    QPushButton* CmdCancel;
    QString savedName_;
};

} // namespace pellam::app
