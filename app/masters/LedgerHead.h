#pragma once

#include <QString>

namespace pellam::masters {

// A ledger head as the master lists show it.
struct LedgerHead {
    qint64 accno = 0;
    QString code;
    QString name;
};

// Characters a ledger head's name may have; list columns of names are as
// wide as this many characters.
inline constexpr int kHeadNameLength = 30;

} // namespace pellam::masters
