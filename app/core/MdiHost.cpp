#include "core/MdiHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace pellam::app {

namespace {

QPointer<QMdiArea>& area()
{
    static QPointer<QMdiArea> a;
    return a;
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
        }
        sub->show();
        window->show();
        mdi->setActiveSubWindow(sub);
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
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
