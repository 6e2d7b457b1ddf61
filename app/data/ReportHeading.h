#pragma once

#include "database/Connection.h"

#include <QString>

namespace pellam::data {

// What an institution prints above a report: the title it chose for the
// kind of report and its place line, control characters as blanks.
struct ReportHeading {
    QString title;
    QString place;   // "place - pincode", or the place alone; empty without one
};

// The heading of report `kind` (1 ledger, 2 receipt and payment, 3 quarterly,
// 4 monthly and summary; any other kind gives only the place) for
// institution `shopId`, or for the first institution when `shopId` is 0.
// Empty when the books have no such institution.
ReportHeading reportHeading(db::Connection& conn, int kind, int shopId);

} // namespace pellam::data
