#pragma once

#include <QString>

namespace pellam::app {

// This build's version, as About and the system information show it.
QString programVersion();

// The names both programs go by: the application folder, the settings and
// the window titles follow from them, so the window program and the
// command-line tool find the same books.
void setApplicationIdentity();

} // namespace pellam::app
