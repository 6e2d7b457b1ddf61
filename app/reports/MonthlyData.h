#pragma once

#include "types/Currency.h"

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

struct MonthlyHead {
    QString name;
    Currency income;          // what the head was credited with in the month
    Currency expense;         // what it was debited with
};

// One month of the chosen institutions, computed once and written by any
// route: every head but cash with its income and expense, the totals and
// the cash position.
struct MonthlyDocument {
    QString title;            // the institution's monthly heading
    QString place;            // its place line
    QString statement;        // "MONTHLY  STATEMENT of MARCH '26 - '27"
    QList<MonthlyHead> heads;
    Currency income;
    Currency expense;
    Currency opening;         // cash in hand at the start of the month

    Currency netIncome() const { return opening + income; }
    Currency closing() const { return opening + income - expense; }
};

// A month's name as the window lists it, "January" for 1.
QString monthName(int month);

} // namespace pellam::app
