#pragma once

#include <QList>
#include <QWidget>

class QMdiArea;
class QWidget;

namespace pellam::app {

// The main window's area for child windows. Windows open inside it when the
// main window exists, and on their own otherwise (tests, tools).
void setMdiArea(QMdiArea* area);
QMdiArea* mdiArea();

// Shows `window` as a child of the main window (or on its own) and brings
// it to the front.
void showChild(QWidget* window);
// Closes a window shown by showChild, its frame in the main window with it.
void closeChild(QWidget* window);
// The child windows open now.
QList<QWidget*> childWindows();
// Closes every child window.
void closeChildWindows();

// Opens a window from the menu: the one already open comes to the front, so
// that two copies never edit the same records side by side.
template <class Window>
Window* showSingle()
{
    for (QWidget* child : childWindows())
        if (auto* open = qobject_cast<Window*>(child)) {
            showChild(open);
            return open;
        }
    auto* window = new Window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    showChild(window);
    return window;
}

} // namespace pellam::app
