#pragma once

#include "shell/MdiHost.h"

#include <QWidget>

namespace pellam::masters {

// Opens a master window from the menu: the one already open comes to the
// front, so that two copies never edit the same records side by side.
template <class Window>
Window* openWindow()
{
    for (QWidget* child : app::childWindows())
        if (auto* open = qobject_cast<Window*>(child)) {
            app::showChild(open);
            return open;
        }
    auto* window = new Window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    app::showChild(window);
    return window;
}

} // namespace pellam::masters
