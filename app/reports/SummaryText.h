#pragma once

#include "reports/SummaryData.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

// The lines the text file and the printer share.
// A head's line, or the totals' (no name): the amounts `gap` apart.
QString summaryAmountsLine(const QString& name, Currency income, Currency expense, const QString& gap);
QString summaryOpeningLine(const SummaryDocument& doc);
QString summaryNetTotalLine(const SummaryDocument& doc);
QString summaryClosingLine(const SummaryDocument& doc);

// The summary as the lines of its text file, handed over one by one.
void writeSummaryText(const SummaryDocument& doc, const std::function<void(const QString&)>& writeLine);
QStringList summaryTextLines(const SummaryDocument& doc);

} // namespace pellam::app
