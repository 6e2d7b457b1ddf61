#include "masters/HelpKey.h"

#include "shell/Common.h"

#include <QKeyEvent>
#include <QWidget>

namespace pellam::masters {

HelpKey::HelpKey(QWidget* form, short helpContext) : QObject(form), context_(helpContext) {}

void HelpKey::install(QWidget* form, short helpContext)
{
    form->installEventFilter(new HelpKey(form, helpContext));
}

bool HelpKey::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    // Claiming the shortcut keeps the main window's F1 from taking the key.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        app::ShowHelp(context_);
    return true;
}

} // namespace pellam::masters
