#pragma once

#include "PellamUtility.h"

#include <QString>

namespace pellam::startup {

// The settings key of installation slots, backup dates and intervals.
inline const QString kInstallationKey = QStringLiteral("Software\\Pellam\\Coffer9.0");

// This installation's slot ("App0", "App1", ...) under the local machine's
// installation key: the slot that holds the folder's path, or the first free
// one, which then gets it. The path compared is the folder's canonical
// absolute path, so two programs started from one folder share a slot.
QString installationSlot(const PellamUtility& util, const QString& appFolderPath);

} // namespace pellam::startup
