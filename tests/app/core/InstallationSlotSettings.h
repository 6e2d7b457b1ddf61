#pragma once

// Reading and writing values under the installation key, as another
// installation or the options window would have left them.

#include "core/InstallationSlot.h"
#include "PellamUtility.h"

namespace pellam::test {

inline QString installationValue(const PellamUtility& util, const QString& name)
{
    return util.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, startup::kInstallationKey, name);
}

inline void setInstallationValue(const PellamUtility& util, const QString& name, QString value)
{
    util.UpdateKey(PellamUtility::HkeyLOCAL_MACHINE, startup::kInstallationKey, name, value);
}

} // namespace pellam::test
