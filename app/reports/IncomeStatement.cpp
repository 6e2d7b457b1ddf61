#include "reports/IncomeStatement.h"

namespace pellam::app {

void IncomeStatement::readHeads(db::Connection& conn, const QList<qint64>& shops, const JournalSums& sums, int bucket)
{
    for (const StatementHead& h : statementHeads(conn, shops)) {
        HeadIncome line{h.name, sums.credits(h.accno, bucket), sums.debits(h.accno, bucket)};
        income += line.income;
        expense += line.expense;
        heads << line;
    }
}

} // namespace pellam::app
