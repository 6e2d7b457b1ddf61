#pragma once

#include <QList>
#include <QWidget>

class QDialog;
class QMdiArea;
class QWidget;

namespace pellam::app {

// The main window's area for child windows. Windows open inside it when the
// main window exists, and on their own otherwise (tests, tools).
void setMdiArea(QMdiArea* area);
QMdiArea* mdiArea();

// Where a child window's frame goes so that it lies wholly inside `area`:
// moved in, and made smaller only where it is larger than the area.
QRect placeInside(const QRect& frame, const QRect& area);

// Shows `window` as a child of the main window (or on its own) and brings
// it to the front, placed inside the main window's area.
void showChild(QWidget* window);
// Shows a dialog over the main window and waits for it; the keys then go
// back to the main window, which no window manager may do for us.
int runModal(QDialog& dialog);
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
