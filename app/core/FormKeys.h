#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

namespace pellam::app {

// Function keys that act on a whole window (F1 help, F5 reload) wherever
// the focus is inside it. The window wins over the main window's shortcuts
// for these keys, so F1 opens the window's own help topic.
class FormKeys : public QObject {
public:
    // Installs itself on `form`; lives as long as the form.
    explicit FormKeys(QWidget* form);
    void on(int key, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<int, std::function<void()>> actions_;
};

} // namespace pellam::app
