#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace pellam::app {

// The logged-in user sets a new password, after typing the old one.
class frmPassword : public QWidget {
    Q_OBJECT
public:
    explicit frmPassword(QWidget* parent = nullptr);

    static constexpr short kHelpContext = 141;

public slots:
    void CmdOk_Click();
    void CmdCancel_Click();

private:
    void refuse(const QString& text, QLineEdit* box);

    QLineEdit* TxtUserName; // the old password
    QLineEdit* txtPassword;
    QLineEdit* txtConPass;
    QPushButton* CmdOk;
    QPushButton* CmdCancel;
};

} // namespace pellam::app
