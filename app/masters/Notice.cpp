#include "masters/Notice.h"

namespace pellam::masters {

void notice(const QString& text, MessageIcon icon)
{
    MessageRequest m;
    m.text = text;
    m.icon = icon;
    dialogs().message(m);
}

} // namespace pellam::masters
