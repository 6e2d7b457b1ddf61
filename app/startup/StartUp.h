#pragma once

namespace pellam::app {

class PellamMenu;

// The program's start: the start-up window, then the main window with the
// login over it. Returns when the start-up is under way; the event loop
// does the rest.
void startProgram();

// Builds the main window for the open books (caption, year, menu items)
// without showing it.
PellamMenu* createMainWindow();

} // namespace pellam::app
