#include "environment/SqlDateLiteral.h"

#include "format/DateText.h"

namespace pellam::environment {

QString sqlDateLiteral(const QString& date, int dialect)
{
    const auto parsed = datetext::parse(date);
    if (!parsed)
        return QStringLiteral("Null");
    switch (dialect) {
    case SqlServer: return QStringLiteral(" '") + parsed->toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("' ");
    case MsAccess: return QStringLiteral(" datevalue('") + date + QStringLiteral("') ");
    case FoxPro:
    case DBase: return QStringLiteral(" Ctod('") + date + QStringLiteral("') ");
    case Oracle: return QStringLiteral(" To_date('") + date + QStringLiteral("','dd/mm/yyyy') ");
    default: return datetext::format(*parsed);
    }
}

} // namespace pellam::environment
