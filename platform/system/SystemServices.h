#pragma once

#include "PlatformExport.h"

#include <QString>
#include <QStringList>

namespace pellam::sys {

// The desktop's warning sound. Counted, so that tests can see it was made.
PELLAM_PLATFORM_EXPORT void beep();
PELLAM_PLATFORM_EXPORT int beepCount();

// The name of the user this program runs as.
PELLAM_PLATFORM_EXPORT QString userName();
// The computer's host name.
PELLAM_PLATFORM_EXPORT QString computerName();

// The process environment as "NAME=value" entries, in the order the system keeps them.
PELLAM_PLATFORM_EXPORT QStringList environmentEntries();

// Starts a command line (program and arguments, quoted as a shell would).
// With `wait`, returns when the program has ended. Throws PellamError 53
// ("File not found") when the program cannot be started.
PELLAM_PLATFORM_EXPORT void startProgram(const QString& commandLine, bool wait);

// Opens a document in the program the desktop keeps for its type, without
// waiting. False when the desktop has no program for that type, or it
// cannot be started.
PELLAM_PLATFORM_EXPORT bool openDocument(const QString& path);

} // namespace pellam::sys
