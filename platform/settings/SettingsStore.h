#pragma once

#include "PlatformExport.h"

#include <QString>
#include <optional>

namespace pellam {

// Text values under roots and keys, kept in one INI file per root in
// $XDG_CONFIG_HOME/Pellam/. Keys are written with backslashes
// ("Software\Pellam\Coffer9.0"); value names as they are.
class PELLAM_PLATFORM_EXPORT SettingsStore {
public:
    // The roots the program knows, by the numbers it passes.
    enum Root : int {
        ClassesRoot = int(0x80000000),
        CurrentUser = int(0x80000001),
        LocalMachine = int(0x80000002),
        Users = int(0x80000003),
        PerformanceData = int(0x80000004),
    };

    // The folder of the INI files; read at every call so that a changed
    // environment takes effect.
    static QString folder();
    // The file of a root, or empty for a number that is no root.
    static QString fileOf(int root);

    // False when the root is unknown or the file cannot be written.
    static bool write(int root, const QString& key, const QString& name, const QString& value);
    // Nothing when the root, the file, the key or the value is missing.
    static std::optional<QString> read(int root, const QString& key, const QString& name);
};

} // namespace pellam
