#include "core/ApplicationIdentity.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace pellam::app {

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pellam"));
    QCoreApplication::setApplicationName(QStringLiteral("PellamAccount"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PELLAM_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Pellam Accounts"));
}

} // namespace pellam::app
