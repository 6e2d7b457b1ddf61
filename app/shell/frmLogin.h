#pragma once

#include "shell/LoginBackoff.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace pellam::app {

// Asks for the user name and password before the books can be used.
// Cancelling (or closing it) ends the program. After five failed attempts
// in a row, OK is held back for a growing time after each failure.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);
    bool LoginSucceeded = false;

    // Runs while OK is held back after repeated failures.
    QTimer* backoffTimer() const { return backoffTimer_; }

public slots:
    void CmdOk_Click();
    void CmdCancel_Click();
    void reject() override;
    // The wait after repeated failures is over.
    void backoffEnded();

private:
    QLineEdit* TxtUserName;
    QLineEdit* txtPassword;
    QPushButton* CmdOk;
    QPushButton* CmdCancel;
    QLabel* lblWait;
    QTimer* backoffTimer_;
    LoginBackoff backoff_;

    void loginFailed();
};

} // namespace pellam::app
