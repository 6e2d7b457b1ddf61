#pragma once

#include "database/RecordSet.h"

#include <QString>

namespace pellam::masters {

// A ledger head as the master windows show and edit it.
struct LedgerHead {
    int accno = 0;     // 0 until the books have given it a number
    QString code;
    QString name;
    QString remarks;
    bool carryForward = false;   // a balance head: its closing opens next year
};

// The head on the current row of a query that selects accno, acccode and
// accountname (and remarks, when it has that field).
inline LedgerHead headFromRow(const db::RecordSet& rs)
{
    return {int(rs.toInt(QStringLiteral("accno"))), rs.toString(QStringLiteral("acccode")),
            rs.toString(QStringLiteral("accountname")),
            rs.fieldIndex(QStringLiteral("remarks")) >= 0 ? rs.toString(QStringLiteral("remarks")) : QString()};
}

// Characters a ledger head's name may have; list columns of names are as
// wide as this many characters.
inline constexpr int kHeadNameLength = 30;

} // namespace pellam::masters
