#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pellam::app {

// Asks for the user name and password before the books can be used.
// Cancelling (or closing it) ends the program.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);
    bool LoginSucceeded = false;

public slots:
    void CmdOk_Click();
    void CmdCancel_Click();
    void reject() override;

private:
    QLineEdit* TxtUserName;
    QLineEdit* txtPassword;
    QPushButton* CmdOk;
    QPushButton* CmdCancel;
};

} // namespace pellam::app
