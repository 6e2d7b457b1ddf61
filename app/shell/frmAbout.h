#pragma once

#include <QDialog>

namespace pellam::app {

// The program's title, version and description, and the way to the system
// information a support person asks for.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

public slots:
    void cmdSysInfo_Click();
    void CmdOk_Click();
};

} // namespace pellam::app
