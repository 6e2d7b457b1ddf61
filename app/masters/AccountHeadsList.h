#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace pellam::masters {

// The printed list of ledger heads: a fixed-width text, one head a line
// with its serial number, code and name, then the run date. A control
// character in a code or name is a blank, so no head adds a line.
class AccountHeadsList {
public:
    // The lines of the list for heads given as (code, name), in order.
    static QStringList lines(const std::vector<std::pair<QString, QString>>& heads, const QDateTime& runAt);
    // "Run Date :05-06-2026 03:04:05 PM"
    static QString runDateLine(const QDateTime& runAt);
};

} // namespace pellam::masters
