#pragma once

#include "data/Rights.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pellam::app {

// The user manager: shows a user of the books, adds users (without a
// password), changes their full name, description and role, and deletes
// them; the last Administrator is kept.
class FrmUser : public QWidget {
    Q_OBJECT
public:
    explicit FrmUser(QWidget* parent = nullptr);

    static constexpr short kHelpContext = 140;

    bool entering() const { return entering_; }
    bool adding() const { return adding_; }

public slots:
    void CmdAdd_Click();
    void CmdEdit_Click();
    void CmdDelete_Click();
    void CmdClose_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void RefreshBtn();
    void save();
    // Asks for a user id; empty when the user cancelled or typed nothing
    // (which has been said).
    QString askUserId(const QString& prompt);
    bool showUser(const QString& userid);
    void showRole(data::Role role);

    QLineEdit* TxtLogId;
    QLineEdit* TxtUserName;
    QLineEdit* TxtDescription;
    QComboBox* CboRole;
    QPushButton* CmdAdd;
    QPushButton* CmdEdit;
    QPushButton* CmdDelete;
    QPushButton* CmdClose;
    bool entering_ = false;
    bool adding_ = false;
};

} // namespace pellam::app
