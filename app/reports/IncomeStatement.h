#pragma once

#include "reports/JournalSums.h"
#include "types/Currency.h"

#include <QList>
#include <QString>

namespace pellam::app {

// A head's line in a statement.
struct HeadIncome {
    QString name;
    Currency income;   // what the head was credited with
    Currency expense;  // what it was debited with
};

// Every head's income and expense over one stretch of the year, their
// totals, and the cash in hand at its start: what the summary and the
// monthly statement show.
struct IncomeStatement {
    QList<HeadIncome> heads;  // by name, every head, also without vouchers
    Currency income;
    Currency expense;
    Currency opening;

    Currency netIncome() const { return opening + income; }
    Currency closing() const { return opening + income - expense; }

    // The heads of the chosen institutions with their figures in one bucket
    // of `sums`, and the totals.
    void readHeads(db::Connection& conn, const QList<qint64>& shops, const JournalSums& sums, int bucket);
};

} // namespace pellam::app
