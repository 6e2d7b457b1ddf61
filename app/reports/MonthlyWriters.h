#pragma once

#include "reports/MonthlyData.h"
#include "reports/ReportPrinter.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

// The monthly statement's writers, one per route, each from the one computed document.

// Where the two routes place the statement's columns: the blanks that
// begin each line, and those between the income and expense columns of the
// head and total lines.
struct MonthlyColumns {
    int margin;
    int gap;
};

inline constexpr MonthlyColumns kMonthlyTextColumns{1, 0};
inline constexpr MonthlyColumns kMonthlyPrintColumns{12, 1};

QString monthlyHeadLine(const HeadIncome& head, MonthlyColumns c);
// Everything after the heads: the rule, the totals and the cash position
// (opening, net total, closing), each rule included.
QStringList monthlyEndLines(const MonthlyDocument& doc, MonthlyColumns c);

// The statement as the lines of its text file, handed over one by one.
void writeMonthlyText(const MonthlyDocument& doc, const std::function<void(const QString&)>& writeLine);

// The statement on printed pages at 10 points, its titles larger, the page
// number and column heading repeated after each page break. The printer
// must be open.
void printMonthly(const MonthlyDocument& doc, ReportPrinter& printer);

} // namespace pellam::app
