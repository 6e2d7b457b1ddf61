#include "core/ShellView.h"

#include <cstdio>

namespace pellam::app {

namespace {

ShellView*& registered()
{
    static ShellView* view = nullptr;
    return view;
}

} // namespace

ShellView& shellView()
{
    static TerminalView terminal;
    return registered() ? *registered() : terminal;
}

void setShellView(ShellView* view)
{
    registered() = view;
}

void TerminalView::setStatusText(const QString& text)
{
    if (!text.isEmpty())
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void TerminalView::setProgress(int value, int mode, int maximum)
{
    if (mode == 2) {
        std::fprintf(stderr, "\n");
        return;
    }
    if (mode == 1)
        maximum_ = maximum;
    if (maximum_ > 0 && value <= maximum_)
        std::fprintf(stderr, "\r%3d%%", int(100LL * value / maximum_));
}

} // namespace pellam::app
