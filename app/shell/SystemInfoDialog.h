#pragma once

#include <QDialog>

namespace pellam::app {

// The program's own system information: a read-only list of what a
// support person needs, with a button that copies it.
class SystemInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit SystemInfoDialog(QWidget* parent = nullptr);
};

} // namespace pellam::app
