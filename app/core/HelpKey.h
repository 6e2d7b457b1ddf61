#pragma once

class QWidget;

namespace pellam::app::HelpKey {

// F1 anywhere in a window opens the help at that window's topic, ahead of
// the main window's own F1 (the help contents).
void attach(QWidget* window, short helpContext);

} // namespace pellam::app::HelpKey
