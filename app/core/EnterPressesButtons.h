#pragma once

class QCoreApplication;

namespace pellam::app {

// Enter on a focused button presses it, in every window: people who keep
// books with the keyboard move to Save with Enter and press it with Enter.
// (Qt does this only inside dialogs.)
void installEnterPressesButtons(QCoreApplication* application);

} // namespace pellam::app
