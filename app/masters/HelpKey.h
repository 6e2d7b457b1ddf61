#pragma once

#include <QObject>

class QWidget;

namespace pellam::masters {

// F1 anywhere on a window opens the help at the window's own topic, ahead
// of the main window's F1, which opens the contents.
class HelpKey : public QObject {
public:
    // Owned by `form`.
    static void install(QWidget* form, short helpContext);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpKey(QWidget* form, short helpContext);
    short context_;
};

} // namespace pellam::masters
