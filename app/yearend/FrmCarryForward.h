#pragma once

#include "data/CarriedBalances.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace pellam::app {

// "Check Carried Balances": the openings of the cash account and the
// balance heads that differ from their closing balances in the year
// before, and Update, which writes those closings as the openings.
class FrmCarryForward : public QWidget {
    Q_OBJECT
public:
    static constexpr short kHelpContext = 162;
    explicit FrmCarryForward(QWidget* parent = nullptr);

public slots:
    void CmdUpdate_Click();
    void CmdClose_Click();
    void reload();

private:
    // Runs `act` with the year before's books open read-only; false (and
    // said) when there are none.
    bool withOldBooks(const std::function<void(data::CarryForwardCheck&)>& act);
    void showDifferences(const QList<data::CarryDifference>& differences);

    QLabel* LblYears;
    QTableWidget* GrdCarried;
    QLabel* LblSummary;
    QPushButton* CmdUpdate;
    QPushButton* CmdClose;
    data::FinancialYear year_;
    data::FinancialYear oldYear_;
    QList<data::CarryDifference> shown_;
};

} // namespace pellam::app
