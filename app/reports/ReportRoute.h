#pragma once

#include "excel/WorkbookSink.h"
#include "format/PrintableText.h"
#include "reports/LedgerData.h"
#include "reports/MonthlyData.h"
#include "reports/QuarterlyData.h"
#include "reports/RecPayData.h"
#include "reports/ReportPrinter.h"
#include "reports/SummaryData.h"

#include <QPageLayout>
#include <QString>
#include <concepts>
#include <functional>
#include <type_traits>

namespace pellam::app {

// Hands a report's lines, one by one, to whoever writes them: the preview's
// file, `pellam report`'s file or terminal. The builders give texts already
// printable, so that each layout wraps and cuts them as they print; each
// line passes through printable() once more on its way, so that no text
// that came another way can begin a line of its own or reach a printer as
// a control code, whichever report wrote it.
class LineWriter {
public:
    using Line = std::function<void(const QString&)>;

    LineWriter() = default;
    template <class Write>
        requires(!std::same_as<std::remove_cvref_t<Write>, LineWriter>)
    LineWriter(Write write) : write_(std::move(write))
    {
    }
    void operator()(const Line& line) const
    {
        write_([&line](const QString& text) { line(printable(text)); });
    }
    explicit operator bool() const { return bool(write_); }

private:
    std::function<void(const Line&)> write_;
};

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

// The document must outlive its route, and so must the connection that a
// document's walk reads its vouchers through.
ReportRoute route(const RecPayDocument& doc);
ReportRoute route(const LedgerDocument& doc, const HeadStarted& headStarted = {});
ReportRoute route(const SummaryDocument& doc);
ReportRoute route(const MonthlyDocument& doc);
ReportRoute route(const QuarterlyDocument& doc);

} // namespace pellam::app
