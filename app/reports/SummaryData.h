#pragma once

#include "types/Currency.h"

#include <QDate>
#include <QList>
#include <QString>

namespace pellam::app {

// The choices of the receipt and payment summary's window.
struct SummaryRequest {
    QList<qint64> shops;  // institutions, in list order
    QDate from;
    QDate to;
    // The date boxes' texts, which the report's date line repeats as typed.
    QString fromText;
    QString toText;
    bool withOpening = false;  // the cash opening, net total and closing
};

struct SummaryHead {
    QString name;
    Currency income;   // the credits the head received in the period
    Currency expense;  // its debits
};

// Every head's income and expense for the period, computed once and
// written by any route.
struct SummaryDocument {
    SummaryRequest request;
    QString title;             // the institution's monthly heading
    QList<SummaryHead> heads;  // by name, every head, also without vouchers
    Currency incomeTotal;
    Currency expenseTotal;
    Currency opening;          // cash at the start of the period (with the opening only)

    Currency netIncome() const { return opening + incomeTotal; }
    Currency closing() const { return opening + incomeTotal - expenseTotal; }
    // "        Date From 01/04/2026   to  31/03/2027"
    QString dateLine() const;
};

} // namespace pellam::app
