#pragma once

#include "reports/SummaryData.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pellam::app {

// The receipt and payment summary's window: institutions, the period, the
// cash opening choice and one button per route.
class FrmRecPaySum : public QWidget {
    Q_OBJECT
public:
    static constexpr short kHelpContext = 172;

    explicit FrmRecPaySum(QWidget* parent = nullptr);

    // The choices as they stand; nothing (after the message) when a check fails.
    std::optional<SummaryRequest> checkedRequest();

public slots:
    void CmdOk_Click();
    void CmdCancel_Click();
    void CmdExcel_Click();

private:
    void buildControls();
    void run(short target);

    QListWidget* LstComp;
    QLineEdit* txtdatefrom;
    QLineEdit* txtdateto;
    QCheckBox* ChkOp;
    QPushButton* CmdOk;
    QPushButton* CmdCancel;
    QPushButton* CmdExcel;
};

} // namespace pellam::app
