#pragma once

#include "excel/WorkbookSink.h"
#include "reports/ReportPrinter.h"
#include "reports/SummaryData.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

// The receipt and payment summary's writers, one per route, each from the one computed document.

// The lines the text file and the printer share.
// A head's line, or the totals' (no name): the amounts `gap` apart.
QString summaryAmountsLine(const QString& name, Currency income, Currency expense, const QString& gap);
QString summaryOpeningLine(const SummaryDocument& doc);
QString summaryNetTotalLine(const SummaryDocument& doc);
QString summaryClosingLine(const SummaryDocument& doc);

// The summary as the lines of its text file, handed over one by one.
void writeSummaryText(const SummaryDocument& doc, const std::function<void(const QString&)>& writeLine);

// The summary on the printer's pages: the font that fits the report's rule,
// the heading with the page number, the heads with the column heading again
// on each new page, the totals and, when asked, the cash lines.
void printSummary(const SummaryDocument& doc, ReportPrinter& printer);

// The summary as cells from B3: merged titles, a row per head from row 7,
// the totals and, when asked, the cash rows, as formulas where the sheet
// can compute them.
void writeSummarySheet(const SummaryDocument& doc, WorkbookSink& sheet);

} // namespace pellam::app
