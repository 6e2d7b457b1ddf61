#include "reports/ReportRoute.h"

#include "reports/LedgerWriters.h"
#include "reports/MonthlyWriters.h"
#include "reports/QuarterlyWriters.h"
#include "reports/RecPayWriters.h"
#include "reports/SummaryWriters.h"

namespace pellam::app {

ReportRoute route(const RecPayDocument& doc)
{
    return {.text = [&doc](const auto& line) { writeRecPayText(doc, line); },
            .print = [&doc](ReportPrinter& p) { printRecPay(doc, p); },
            .sheet = [&doc](WorkbookSink& sheet) { writeRecPaySheet(doc, sheet); },
            .pageOffset = doc.request.pageOffset};
}

ReportRoute route(const LedgerDocument& doc, const HeadStarted& headStarted)
{
    return {.text = [&doc, headStarted](const auto& line) { writeLedgerText(doc, line, headStarted); },
            .print = [&doc, headStarted](ReportPrinter& p) { printLedger(doc, p, headStarted); },
            .sheet = [&doc, headStarted](WorkbookSink& sheet) { writeLedgerSheet(doc, sheet, headStarted); },
            .pageOffset = doc.request.pageOffset};
}

ReportRoute route(const SummaryDocument& doc)
{
    return {.text = [&doc](const auto& line) { writeSummaryText(doc, line); },
            .print = [&doc](ReportPrinter& p) { printSummary(doc, p); },
            .sheet = [&doc](WorkbookSink& sheet) { writeSummarySheet(doc, sheet); }};
}

// The statement has no workbook.
ReportRoute route(const MonthlyDocument& doc)
{
    return {.text = [&doc](const auto& line) { writeMonthlyText(doc, line); },
            .print = [&doc](ReportPrinter& p) { printMonthly(doc, p); }};
}

ReportRoute route(const QuarterlyDocument& doc)
{
    return {.text = [&doc](const auto& line) { writeQuarterlyText(doc, line); },
            .print = [&doc](ReportPrinter& p) { printQuarterly(doc, p); },
            .sheet = [&doc](WorkbookSink& sheet) { writeQuarterlySheet(doc, sheet); },
            .paper = kQuarterlyPaper};
}

} // namespace pellam::app
