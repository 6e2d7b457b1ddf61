#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace pellam::app {

// Creates the books of the year that follows the open one and shows each
// step, the progress and the time it takes. The open year stays open.
class FrmClosing : public QWidget {
    Q_OBJECT
public:
    static constexpr short HelpContextID = 160;
    explicit FrmClosing(QWidget* parent = nullptr);

public slots:
    void CmdOk_Click();
    void Timer1_Timer();

private:
    enum class Outcome { Created, Declined, Failed };

    void start();
    Outcome closeYear();
    // Offers to lock the closed year's books up to its last day.
    void offerLock();
    void log(const QString& text);
    void progress(double value);

    QPushButton* CmdOk;
    QCheckBox* ChkCarry;
    QListWidget* List1;
    QLabel* LblAction;
    QLabel* Label2;
    QLabel* LblPrnct;
    QProgressBar* PrgBarAll;
    QLabel* LblTime;
    QTimer* Timer1;
};

} // namespace pellam::app
