#include "shell/HelpKey.h"

#include "shell/Common.h"

#include <QKeyEvent>
#include <QWidget>

namespace pellam::app {

void HelpKey::attach(QWidget* window, short helpContext)
{
    window->installEventFilter(new HelpKey(window, helpContext));
}

HelpKey::HelpKey(QWidget* window, short helpContext) : QObject(window), context_(helpContext) {}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    const auto isF1 = [event] {
        const auto* key = static_cast<QKeyEvent*>(event);
        return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
    };
    if (event->type() == QEvent::ShortcutOverride && isF1()) {
        // Claim the key so that it arrives here as a key press.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && isF1()) {
        ShowHelp(context_);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pellam::app
