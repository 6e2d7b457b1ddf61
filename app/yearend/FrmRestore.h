#pragma once

#include "yearend/ProgressFrame.h"

#include <QDialog>

namespace pellam::yearend {
struct BackupSummary;
}

namespace pellam::app {

// Puts a backup chosen by the user in place of the open year's books, after
// checking it and keeping a copy of the books as they are. Whatever fails,
// the books stay as they were.
class FrmRestore : public QDialog {
    Q_OBJECT
public:
    static constexpr short HelpContextID = 161;
    explicit FrmRestore(QWidget* parent = nullptr);

    bool succeeded() const { return succeeded_; }

public slots:
    void Timer1_Timer();
    void TTime_Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Stat(const QString& text);
    void run();
    QString chooseBackup(const QString& folder);
    bool confirmReplace(const yearend::BackupSummary& backup);

    ProgressFrame ui_;
    bool succeeded_ = false;
};

} // namespace pellam::app
