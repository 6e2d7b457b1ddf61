#pragma once

#include "database/RecordSet.h"

#include <QStringList>
#include <QVariant>
#include <vector>

namespace pellam::test {

// Ledger heads as a host form would query them: number, name, code.
inline db::RecordSet ledgerHeads(const std::vector<std::tuple<int, QString, QString>>& rows)
{
    std::vector<QVariant> cells;
    for (const auto& [no, name, code] : rows) {
        cells.emplace_back(no);
        cells.emplace_back(name);
        cells.emplace_back(code);
    }
    return db::RecordSet({QStringLiteral("accno"), QStringLiteral("AccName"), QStringLiteral("AccCode")},
                         {QStringLiteral("INTEGER"), QStringLiteral("TEXT"), QStringLiteral("CHAR(6)")},
                         std::move(cells));
}

inline db::RecordSet sampleHeads()
{
    return ledgerHeads({{1, "CASH", "CSH"},
                        {2, "BANK CHARGES", "BNK"},
                        {3, "ABC TRUST", "ABT"},
                        {4, "ABACUS FUND", "ABF"},
                        {5, "BUILDING", "BLD"},
                        {6, "  BOOKS", "BKS"},
                        {7, "salary", "SAL"}});
}

} // namespace pellam::test
