#include "system/AppFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace pellam {

QString AppFolders::home()
{
    const QString fromEnv = qEnvironmentVariable("PELLAM_HOME");
    if (!fromEnv.isEmpty())
        return QDir(fromEnv).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString AppFolders::sub(const QString& name)
{
    return QDir(home()).filePath(name);
}

} // namespace pellam
