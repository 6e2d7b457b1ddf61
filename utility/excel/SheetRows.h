#pragma once

#include "UtilExport.h"

#include <QString>
#include <functional>
#include <vector>

namespace pellam::excel {

// A row's place in the workbook: its sheet and its row there, both counted
// from 0.
struct SheetRow {
    int sheet = 0;
    int row = 0;
};

// Where the rows of a report too long for one sheet land. A report numbers
// its rows as if one sheet held them all; each sheet takes as many as it
// holds and the next sheet goes on where it stopped, after the heading
// rows it repeats at its top.
class PELLAM_UTIL_EXPORT SheetRows {
public:
    explicit SheetRows(int rowsPerSheet);

    int rowsPerSheet() const { return perSheet_; }
    int sheets() const { return int(starts_.size()); }
    // The report's first row on a sheet, and the heading rows above it.
    int firstRowOf(int sheet) const { return starts_[size_t(sheet)].first; }
    int headingRowsOf(int sheet) const { return starts_[size_t(sheet)].headings; }

    // Places report row `row`, given in rising order. A row past the last
    // sheet's end begins a sheet of its own, topped by `headingRows` rows
    // (none when they would fill it).
    SheetRow place(int row, int headingRows);
    // Where a report row lies: a row already placed, or a later one as it
    // would land if the headings stayed as the last sheet has them.
    SheetRow locate(int row) const;

private:
    struct Start {
        int first;    // the report's first row on the sheet
        int headings; // rows of repeated headings at its top
    };
    int perSheet_;
    int lastHeadings_ = 0; // the headings a sheet still to come would repeat
    std::vector<Start> starts_;
};

// A formula as it reads on sheet `on`: each cell reference ("e5", a range
// "e5:e9") points at the sheet its row landed on, named by `sheetName`,
// and a range that runs over several sheets becomes the sum of its part on
// each. A formula of one sheet comes back as it was.
PELLAM_UTIL_EXPORT QString formulaOnSheet(const QString& formula, int on, const SheetRows& rows,
                                          const std::function<QString(int)>& sheetName);

} // namespace pellam::excel
