#pragma once

#include "startup/StartupRun.h"

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace pellam::app {

// The start-up window: prepares the folders, asks for the working date and
// opens that year's books, showing each step in its status line.
class frmSplash : public QWidget, public StartupView {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    void setStatus(const QString& text) override;
    void setUpgradeText(const QString& text) override;
    void runAutomaticBackup() override;

    QTimer* timer() const { return Timer1; }

signals:
    // The books are open and checked: the main window and the login follow.
    void booksReady();
    // Start-up ended without books: the program ends.
    void startupEnded();

public slots:
    void Timer1_Timer();
    void CmdOk_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end();

    QLabel* Label1;
    QFrame* PicDate;
    QLineEdit* TxtDate;
    QPushButton* CmdOk;
    QLabel* LblUpdate;
    QLabel* lblVersion;
    QLabel* lblProductName;
    QTimer* Timer1;
    StartupRun run_;
};

} // namespace pellam::app
