#pragma once

#include "reports/QuarterlyData.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

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
QStringList quarterlyTextLines(const QuarterlyDocument& doc);

} // namespace pellam::app
