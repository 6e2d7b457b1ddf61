#pragma once

#include "reports/IncomeStatement.h"

#include <QDate>
#include <QList>
#include <QString>

namespace pellam::app {

// The choices of one monthly statement.
struct MonthlyRequest {
    QList<qint64> shops;      // institutions, in list order
    int month = 0;            // 1 (January) to 12 (December)
    QDate yearStart;          // the financial year the books hold, for the title
    QDate yearEnd;
};

// One month of the chosen institutions, computed once and written by any
// route: every head but cash with its income and expense, the totals and
// the cash position.
struct MonthlyDocument : IncomeStatement {
    QString title;            // the institution's monthly heading
    QString place;            // its place line
    QString statement;        // "MONTHLY  STATEMENT of MARCH '26 - '27"
};

// A month's name as the window lists it, "January" for 1.
QString monthName(int month);

} // namespace pellam::app
