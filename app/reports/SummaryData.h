#pragma once

#include "reports/IncomeStatement.h"

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

// Every head's income and expense for the period, computed once and
// written by any route; the cash opening only when asked for.
struct SummaryDocument : IncomeStatement {
    SummaryRequest request;
    QString title;             // the institution's monthly heading
    // "        Date From 01/04/2026   to  31/03/2027"
    QString dateLine() const;
};

} // namespace pellam::app
