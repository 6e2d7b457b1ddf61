#pragma once

namespace pellam::app {

class PellamMenu;

// Connects the menu items to the windows the program has.
void wireMenu(PellamMenu& menu);

} // namespace pellam::app
