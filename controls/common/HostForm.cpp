#include "common/HostForm.h"

#include <QMdiSubWindow>
#include <QWidget>

namespace pellam::ctl {

QWidget* HostForm::of(const QWidget* control)
{
    QWidget* form = control ? control->parentWidget() : nullptr;
    while (form && !form->isWindow() && !qobject_cast<QMdiSubWindow*>(form->parentWidget()) &&
           form->parentWidget())
        form = form->parentWidget();
    return form;
}

QString HostForm::caption(const QWidget* form)
{
    return form ? form->windowTitle() : QString();
}

QWidget* HostForm::frame(QWidget* form)
{
    if (form)
        if (auto* child = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
            return child;
    return form;
}

bool HostForm::isMaximized(QWidget* form)
{
    QWidget* window = frame(form);
    return window && window->isMaximized();
}

void HostForm::setMaximized(QWidget* form, bool maximized)
{
    if (QWidget* window = frame(form))
        maximized ? window->showMaximized() : window->showNormal();
}

void HostForm::close(QWidget* form)
{
    if (QWidget* window = frame(form))
        window->close();
}

void markComposite(QWidget* control)
{
    control->setProperty("pellamComposite", true);
}

bool isComposite(const QWidget* widget)
{
    return widget->property("pellamComposite").toBool();
}

} // namespace pellam::ctl
