#include "core/InstallationSlot.h"

#include <QFileInfo>

namespace pellam::startup {

QString installationSlot(const PellamUtility& util, const QString& appFolderPath)
{
    const QFileInfo folder(appFolderPath);
    const QString path = folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
    QString slot = QStringLiteral("App0");
    for (int next = 1;; ++next) {
        const QString held = util.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, kInstallationKey, slot).trimmed();
        if (held.isEmpty()) {
            QString value = path;
            util.UpdateKey(PellamUtility::HkeyLOCAL_MACHINE, kInstallationKey, slot, value);
            return slot;
        }
        if (held == path)
            return slot;
        slot = QStringLiteral("App") + QString::number(next);
    }
}

} // namespace pellam::startup
