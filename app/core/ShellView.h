#pragma once

#include <QString>

namespace pellam::app {

// Where status texts and progress go: the main window when there is one,
// otherwise the terminal.
class ShellView {
public:
    virtual ~ShellView() = default;
    virtual void setStatusText(const QString& text) = 0;
    // mode 1 restarts the bar at 0 with `maximum`; mode 2 hides it.
    virtual void setProgress(int value, int mode, int maximum) = 0;
};

// The view in use; the terminal view when no window registered itself.
ShellView& shellView();
// Registers (or, with nullptr, unregisters) the main window's view.
void setShellView(ShellView* view);

// Writes status texts and a progress line to standard error.
class TerminalView : public ShellView {
public:
    void setStatusText(const QString& text) override;
    void setProgress(int value, int mode, int maximum) override;

private:
    int maximum_ = 0;
};

} // namespace pellam::app
