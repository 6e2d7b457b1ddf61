#pragma once

namespace pellam::app {

// The names both programs go by: the application folder, the settings and
// the window titles follow from them, so the window program and the
// command-line tool find the same books.
void setApplicationIdentity();

} // namespace pellam::app
