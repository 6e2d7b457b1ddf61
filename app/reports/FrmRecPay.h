#pragma once

#include "reports/ReportChoices.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace pellam::app {

// The receipt and payment window: institutions, the period, the reference
// column and the other choices, and one button per route, each passing its
// index as the target.
class FrmRecPay : public QWidget {
    Q_OBJECT
public:
    static constexpr short kHelpContext = 171;

    explicit FrmRecPay(QWidget* parent = nullptr);

    // The choices as they stand; nothing (after the message) when a check fails.
    std::optional<ReportChoices> checkedRequest();

public slots:
    void CmdOK_Click(short index);

private:
    void buildControls();

    QListWidget* LstComp;
    QLineEdit* txtdatefrom;
    QLineEdit* txtdateto;
    QLineEdit* TxtPageNo;
    QPushButton* CmdOK[3];
};

} // namespace pellam::app
