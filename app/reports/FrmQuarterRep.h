#pragma once

#include "reports/QuarterlyData.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace pellam::app {

// The quarterly statement window: institutions, the quarter, a rule under
// every head, and one button per route, each passing its target.
class FrmQuarterRep : public QWidget {
    Q_OBJECT
public:
    static constexpr short kHelpContext = 174;

    explicit FrmQuarterRep(QWidget* parent = nullptr);

    // The choices as they stand; nothing (after the message) when a check fails.
    std::optional<QuarterRequest> checkedRequest();

public slots:
    // Runs the statement to the given route.
    void QuarterlyReport(short target);

private:
    void buildControls();

    QListWidget* LstComp;
    QComboBox* CboQt;
    QCheckBox* ChkLine;
    QPushButton* CmdCancel;
    QPushButton* CmdExcel;
    QPushButton* CmdOk;
};

} // namespace pellam::app
