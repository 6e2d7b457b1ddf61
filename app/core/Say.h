#pragma once

#include "dialogs/Dialogs.h"

namespace pellam::app {

// One message box through the dialogs service, for the common case of a
// text with an icon, its buttons and (rarely) a title of its own.
inline MessageAnswer say(const QString& text, MessageIcon icon = MessageIcon::None,
                         MessageButtons buttons = MessageButtons::Ok, const QString& title = {})
{
    MessageRequest m;
    m.text = text;
    m.icon = icon;
    m.buttons = buttons;
    m.title = title;
    return dialogs().message(m);
}

} // namespace pellam::app
