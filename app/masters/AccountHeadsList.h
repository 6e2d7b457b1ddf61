#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace pellam::masters {

// A head as the printed list shows it.
struct ListedHead {
    QString code;
    QString name;
    bool carried = false;   // carries its balance into next year
    friend bool operator==(const ListedHead&, const ListedHead&) = default;
};

// The printed list of ledger heads: a fixed-width text, one head a line
// with its serial number, code and name, and "Yes" under "Carried" for a
// head whose balance carries into next year; then the run date. A control
// character in a code or name is a blank, so no head adds a line.
class AccountHeadsList {
public:
    // The lines of the list for the heads, in order.
    static QStringList lines(const std::vector<ListedHead>& heads, const QDateTime& runAt);
    // "Run Date :05-06-2026 03:04:05 PM"
    static QString runDateLine(const QDateTime& runAt);
};

} // namespace pellam::masters
