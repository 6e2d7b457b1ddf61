#pragma once

#include "CtlExport.h"

#include <QDialog>

class QRadioButton;

namespace pellam::ctl {

// The print dialog of the record bar: all records or the current one,
// detailed or normal, OK or Cancel. The host prints by itself.
class PELLAM_CTL_EXPORT FrmPrnDlg : public QDialog {
    Q_OBJECT
public:
    // The choices the dialog opens with, also used when it is not shown.
    static constexpr bool kDefaultAll = true;
    static constexpr bool kDefaultDetailed = true;

    explicit FrmPrnDlg(QWidget* parent = nullptr);

    // True once closed with OK.
    bool OK() const { return ok_; }
    bool allRecords() const;
    bool detailed() const;

private:
    void CmdOk_Click();

    QRadioButton* OptAll;
    QRadioButton* OptCur;
    QRadioButton* OptDetailed;
    QRadioButton* OptNormal;
    bool ok_ = false;
};

} // namespace pellam::ctl
