#include "core/ApplicationIdentity.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace pellam::app {

QString programVersion()
{
    return QStringLiteral(PELLAM_VERSION);
}

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pellam"));
    QCoreApplication::setApplicationName(QStringLiteral("PellamAccount"));
    QCoreApplication::setApplicationVersion(programVersion());
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Pellam Accounts"));
}

} // namespace pellam::app
