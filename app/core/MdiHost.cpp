#include "core/MdiHost.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>

namespace pellam::app {

namespace {

QPointer<QMdiArea>& area()
{
    static QPointer<QMdiArea> a;
    return a;
}

// The keys go to the window's first box that can take them. A window that
// opens on a record has its first boxes locked, and the frame's own choice of
// focus passes over them without looking further, leaving the keys with the
// window that had them before; the window itself takes them when no box can.
void giveKeysTo(QWidget* window)
{
    const QWidget* focused = QApplication::focusWidget();
    if (focused && (focused == window || window->isAncestorOf(focused)))
        return;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (window->isAncestorOf(w) && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    window->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace

void setMdiArea(QMdiArea* mdi)
{
    area() = mdi;
}

QMdiArea* mdiArea()
{
    return area();
}

QRect placeInside(const QRect& frame, const QRect& area)
{
    const QSize size = frame.size().boundedTo(area.size());
    const int x = std::clamp(frame.x(), area.left(), area.left() + area.width() - size.width());
    const int y = std::clamp(frame.y(), area.top(), area.top() + area.height() - size.height());
    return QRect(QPoint(x, y), size);
}

void showChild(QWidget* window)
{
    if (QMdiArea* mdi = area()) {
        QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        if (!sub) {
            // A window that set its own size keeps it inside the frame.
            const bool sized = window->testAttribute(Qt::WA_Resized);
            const QSize wanted = window->size();
            sub = mdi->addSubWindow(window);
            sub->setAttribute(Qt::WA_DeleteOnClose);
            if (sized) {
                const QMargins frame = sub->contentsMargins();
                sub->resize(wanted.grownBy(frame));
            }
            // A window that closes itself takes its frame with it, so no
            // empty frame is left behind in the main window.
            QObject::connect(window, &QObject::destroyed, sub, &QMdiSubWindow::close, Qt::QueuedConnection);
        }
        sub->show();
        window->show();
        if (!sub->isMaximized() && !sub->isMinimized())
            sub->setGeometry(placeInside(sub->geometry(), mdi->viewport()->rect()));
        // The keys go to the window that opened, even when the main window
        // lost them to a menu or a message that has closed since.
        mdi->window()->activateWindow();
        mdi->setActiveSubWindow(sub);
        giveKeysTo(window);
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

int runModal(QDialog& dialog)
{
    const int result = dialog.exec();
    if (QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr; owner && owner->isVisible())
        owner->activateWindow();
    return result;
}

void closeChild(QWidget* window)
{
    // The frame asks the window first, so the window's own closing still runs.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

QList<QWidget*> childWindows()
{
    QList<QWidget*> out;
    if (QMdiArea* mdi = area())
        for (QMdiSubWindow* sub : mdi->subWindowList())
            if (sub->widget())
                out << sub->widget();
    return out;
}

void closeChildWindows()
{
    if (QMdiArea* mdi = area())
        mdi->closeAllSubWindows();
}

} // namespace pellam::app
