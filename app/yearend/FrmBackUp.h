#pragma once

#include "yearend/ProgressFrame.h"

#include <QDialog>

class QTimer;

namespace pellam::app {

// Copies the open year's books into a dated backup file of this
// installation's backup folder. From the menu the user may choose the file;
// with Automate set (start-up) it asks nothing and shows no message.
class FrmBackUp : public QDialog {
    Q_OBJECT
public:
    explicit FrmBackUp(QWidget* parent = nullptr);
    bool Automate = false;

    QString backupFile() const { return backupFile_; }
    bool succeeded() const { return succeeded_; }
    QTimer* timer() const { return ui_.Timer1; }

public slots:
    void Timer1_Timer();
    void TTime_Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Stat(const QString& text);
    bool run();

    ProgressFrame ui_;
    QString backupFile_;
    bool succeeded_ = false;
};

} // namespace pellam::app
