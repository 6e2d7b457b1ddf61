#pragma once

#include "data/FinancialYear.h"
#include "database/Connection.h"

#include <QString>

namespace pellam::data {

struct DemoOptions {
    int institutions = 3;
    int heads = 40;       // ledger heads besides the cash account
    int vouchers = 2000;
    quint64 seed = 1;
};

// Sample books of a year: institutions such as a school and a dispensary,
// heads such as DONATIONS and SALARY, openings, the heads each institution
// uses, and receipts and payments spread through the year with bill numbers
// and narrations. The same options always give the same books.
// Creates `file` whole or not at all; throws PellamError when it exists or
// an option is out of range.
void createDemoBooks(const QString& file, const FinancialYear& year, const DemoOptions& options);

} // namespace pellam::data
