#pragma once

#include "CtlExport.h"
#include "database/RecordSet.h"

#include <QDialog>

class QListWidget;

namespace pellam::ctl {

// The column-selection form: the user picks and orders the fields of a
// record set; OK writes the whole set as a fixed-width text table into a
// temporary file and shows it in the preview.
class PELLAM_CTL_EXPORT FrmPrnSelect : public QDialog {
    Q_OBJECT
public:
    explicit FrmPrnSelect(QWidget* parent = nullptr);

    void setRecordSet(const db::RecordSet& records) { records_ = records; }
    // The table file the last OK wrote, removed once its preview closed;
    // empty before.
    QString tableFile() const { return tableFile_; }

    void CmdAdd_Click();
    void CmdDelete_Click();
    void CmdUp_Click();
    void CmdDown_Click();
    void CmdOk_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void moveCurrent(int step);
    static void moveEntry(QListWidget* from, QListWidget* to, const QString& missingMessage);

    QListWidget* ListAll;
    QListWidget* ListSelected;
    db::RecordSet records_;
    QString tableFile_;
};

} // namespace pellam::ctl
