#pragma once

#include <QObject>

class QWidget;

namespace pellam::app {

// F1 anywhere in a window opens the help at that window's topic. The main
// window's own F1 (help contents) would otherwise take the key first.
class HelpKey : public QObject {
    Q_OBJECT
public:
    // Watches `window` (which owns the watcher) for F1.
    static void attach(QWidget* window, short helpContext);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpKey(QWidget* window, short helpContext);
    short context_;
};

} // namespace pellam::app
