#pragma once

#include "reports/LedgerData.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace pellam::app {

// The ledger report window: institutions, ledger heads, the period, the
// reference column and the other choices, and one button per route.
class FrmLedger : public QWidget {
    Q_OBJECT
public:
    static constexpr short kHelpContext = 170;

    explicit FrmLedger(QWidget* parent = nullptr);

    // The choices as they stand; nothing (after the message) when a check fails.
    std::optional<LedgerRequest> checkedRequest();

public slots:
    void cmdSelAll_Click();
    void CmdSelNone_Click();
    void CmdPrev_Click();
    void CmdPrint_Click();
    void CmdExcel_Click();

private:
    void buildControls();
    void FillLedgerHeads();
    void LedgerReport(short target);

    QListWidget* LstComp;
    QListWidget* LstAcc;
    QLineEdit* txtdatefrom;
    QLineEdit* txtdateto;
    QLineEdit* txtPage;
    QPushButton* CmdExcel;
};

} // namespace pellam::app
