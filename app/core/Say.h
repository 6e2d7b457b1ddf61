#pragma once

#include "dialogs/Dialogs.h"

namespace pellam::app {

// Every message box of the program goes through here: a text with an icon,
// its buttons, (rarely) a title of its own and, for a question whose safe
// answer is not the first button, the button Enter presses (0 is the first).
inline MessageAnswer say(const QString& text, MessageIcon icon = MessageIcon::None,
                         MessageButtons buttons = MessageButtons::Ok, const QString& title = {}, int defaultButton = 0)
{
    MessageRequest m;
    m.text = text;
    m.icon = icon;
    m.buttons = buttons;
    m.title = title;
    m.defaultButton = defaultButton;
    return dialogs().message(m);
}

} // namespace pellam::app
