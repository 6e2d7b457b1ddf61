#include "support/TempHome.h"

#include <QDir>

namespace pellam::test {

TempHome::TempHome()
    : oldConfig_(qgetenv("XDG_CONFIG_HOME")), oldHome_(qgetenv("PELLAM_HOME")),
      hadConfig_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), hadHome_(qEnvironmentVariableIsSet("PELLAM_HOME"))
{
    QDir(dir_.path()).mkpath(QStringLiteral("config"));
    QDir(dir_.path()).mkpath(QStringLiteral("home"));
    qputenv("XDG_CONFIG_HOME", QDir(dir_.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("PELLAM_HOME", QDir(dir_.path()).filePath(QStringLiteral("home")).toLocal8Bit());
}

TempHome::~TempHome()
{
    if (hadConfig_)
        qputenv("XDG_CONFIG_HOME", oldConfig_);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (hadHome_)
        qputenv("PELLAM_HOME", oldHome_);
    else
        qunsetenv("PELLAM_HOME");
}

} // namespace pellam::test
