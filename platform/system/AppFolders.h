#pragma once

#include "PlatformExport.h"

#include <QString>

namespace pellam {

// Where the program keeps its files: $PELLAM_HOME when set, otherwise the
// per-user data folder. Below it: Temp, BackUp, Data, help and graphics.
class PELLAM_PLATFORM_EXPORT AppFolders {
public:
    static QString home();
    static QString temp() { return sub(QStringLiteral("Temp")); }
    static QString backup() { return sub(QStringLiteral("BackUp")); }
    static QString data() { return sub(QStringLiteral("Data")); }
    static QString help() { return sub(QStringLiteral("help")); }
    static QString graphics() { return sub(QStringLiteral("graphics")); }

private:
    static QString sub(const QString& name);
};

} // namespace pellam
