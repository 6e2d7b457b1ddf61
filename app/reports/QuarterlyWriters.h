#pragma once

#include "excel/WorkbookSink.h"
#include "reports/QuarterlyData.h"
#include "reports/ReportPrinter.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

// The quarterly statement's writers, one per route, each from the one computed document.

// The lines the text file and the printer share, as the text file has
// them; the printer puts its margin before each.

// The rule: `before` dashes, "*" and 31 dashes.
QString quarterRule(int before = 125);
// The three months' captions and "TOTAL" after the given numbers of blanks.
QString quarterCaptionLine(const QuarterlyDocument& doc, const std::array<int, 4>& gaps);
// A head's line and, when chosen, the rule under it.
QStringList quarterHeadLines(const QuarterlyDocument& doc, const QuarterHead& head);
// The column totals, the cash at the start of each column, the rule and the
// cash at the end of each column.
QStringList quarterClosingLines(const QuarterlyDocument& doc);

// The statement as the lines of its text file, handed over one by one.
void writeQuarterlyText(const QuarterlyDocument& doc, const std::function<void(const QString&)>& writeLine);

// The statement's 157-character lines need the long side of the paper.
inline constexpr QPageLayout::Orientation kQuarterlyPaper = QPageLayout::Landscape;

// The quarterly statement on printed pages: the font fitted to its rule,
// the titles larger above it, and the page number, month captions and
// column heading again before a head that starts a new page. The printer
// must be open.
void printQuarterly(const QuarterlyDocument& doc, ReportPrinter& printer);

// The quarterly statement's cells: the month captions over their income and
// expense columns, a row per head with its month figures, and the quarter's
// total as formulas over the three months. The sheet carries no totals and
// no cash position.
void writeQuarterlySheet(const QuarterlyDocument& doc, WorkbookSink& sheet);

} // namespace pellam::app
