#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pellam::app {

// The installation's options: the title shown after the program's name,
// the backup folder and the interval of the automatic backup; and the date
// the open year's books are locked up to, which the books keep.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    static constexpr short kHelpContext = 150;

public slots:
    void CmdBk_Click();
    // True when the settings were saved.
    bool CmdApply_Click();
    void CmdOk_Click();
    void CmdCancel_Click();

private:
    // Saves the lock date of the books; false (and said) when refused.
    bool saveLock();

    QLineEdit* TxtTitle;
    QLineEdit* TxtBk;
    QPushButton* CmdBk;
    QLineEdit* TXtDays;
    QLineEdit* TxtLock;
    QPushButton* CmdOk;
    QPushButton* CmdApply;
    QPushButton* CmdCancel;
};

} // namespace pellam::app
