#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace pellam::masters {

// Chooses the ledger heads each institution uses: the institution in
// CboComp, its heads ticked at the top of LstAcc, the rest below; Update
// stores the ticked ones.
class FrmShAccSetup : public QWidget {
    Q_OBJECT
public:
    // The window's topic in the help.
    static constexpr short kHelpContext = 33;

    explicit FrmShAccSetup(QWidget* parent = nullptr);

public slots:
    void Form_Load();
    void CboComp_Click();
    void LstAcc_Click();
    void CmdUp_Click();

private:
    qint64 chosenInstitution() const;

    QComboBox* CboComp;
    QLabel* Lbl1;
    QListWidget* LstAcc;
    QLabel* LblTot;
    QPushButton* CmdUp;
};

} // namespace pellam::masters
