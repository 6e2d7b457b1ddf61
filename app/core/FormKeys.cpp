#include "core/FormKeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace pellam::app {

FormKeys::FormKeys(QWidget* form) : QObject(form)
{
    form->installEventFilter(this);
}

void FormKeys::on(int key, std::function<void()> action)
{
    actions_.insert(key, std::move(action));
}

bool FormKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Key presses that the focused child leaves alone reach the form; the
    // shortcut check comes first, so claim the key there too.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto action = actions_.constFind(key->key());
        if (action != actions_.constEnd() && key->modifiers() == Qt::NoModifier) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                (*action)();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pellam::app
