#pragma once

#include "dialogs/Dialogs.h"

#include <QString>

namespace pellam::masters {

// A message with only an OK button: what the master windows say when they
// refuse an entry or a delete.
void notice(const QString& text, MessageIcon icon = MessageIcon::Information);

} // namespace pellam::masters
