#pragma once

#include <QString>

namespace pellam::yearend {

// "Time Elapsed :- 02:07": whole minutes and the remaining seconds.
inline QString elapsedText(qint64 seconds)
{
    return QStringLiteral("Time Elapsed :- %1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace pellam::yearend
