#pragma once

#include "excel/WorkbookSink.h"
#include "reports/LedgerData.h"
#include "reports/MonthlyData.h"
#include "reports/QuarterlyData.h"
#include "reports/RecPayData.h"
#include "reports/ReportPrinter.h"
#include "reports/SummaryData.h"

#include <QPageLayout>
#include <QString>
#include <functional>

namespace pellam::app {

// Hands a report's lines, one by one, to whoever writes them.
using LineWriter = std::function<void(const std::function<void(const QString&)>&)>;

// One computed report, ready for any route: the writer of each route, the
// side of the paper it prints along and the number its pages start from.
// The windows and `pellam report` both take their writers from here.
struct ReportRoute {
    LineWriter text{};
    std::function<void(ReportPrinter&)> print{};
    std::function<void(WorkbookSink&)> sheet{}; // empty: the report has no workbook
    QPageLayout::Orientation paper = QPageLayout::Portrait;
    int pageOffset = 0;
};

// The document must outlive its route.
ReportRoute route(const RecPayDocument& doc);
ReportRoute route(const LedgerDocument& doc, const HeadStarted& headStarted = {});
ReportRoute route(const SummaryDocument& doc);
ReportRoute route(const MonthlyDocument& doc);
ReportRoute route(const QuarterlyDocument& doc);

} // namespace pellam::app
