#pragma once

#include "reports/MonthlyData.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QListWidget;

namespace pellam::app {

// The monthly statement's window: institutions, the month, and a button for
// each route.
class FrmMonthRep : public QWidget {
    Q_OBJECT
public:
    static constexpr short kHelpContext = 173;

    explicit FrmMonthRep(QWidget* parent = nullptr);

    // The choices as they stand; nothing (after the message) when no
    // institution is chosen.
    std::optional<MonthlyRequest> checkedRequest();

public slots:
    void CmdOk_Click();
    void CmdCancel_Click();

private:
    void buildControls();
    void run(short target);

    QListWidget* LstComp;
    QComboBox* CboQt;
};

} // namespace pellam::app
