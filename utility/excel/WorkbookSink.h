#pragma once

#include "UtilExport.h"
#include "types/Currency.h"

#include <QDate>
#include <QString>

namespace pellam {

// Where a report writes its cells. Cells are addressed as a sheet shows
// them ("B5"). Amounts are numbers, never text, and a
// formula carries the value it computes so that any viewer shows it.
// Rows are written in rising order, the cells of one row in any order: a
// row is gone once a later one begins, so a merge, a border or the column
// headings are told before any cell of the rows they reach. Rows are
// numbered on as if one sheet held them all, however long the report.
class PELLAM_UTIL_EXPORT WorkbookSink {
public:
    virtual ~WorkbookSink();
    virtual void text(const QString& cell, const QString& value) = 0;
    virtual void amount(const QString& cell, Currency value) = 0;
    virtual void date(const QString& cell, const QDate& value) = 0;
    virtual void formula(const QString& cell, const QString& formula, Currency value) = 0;
    // One text across the cells of a range ("B3:D3"), shown as one cell.
    virtual void mergedText(const QString& range, const QString& value) = 0;
    // A continuous line round every cell of a range ("B3:D9").
    virtual void borders(const QString& range) = 0;
    // The row (1 is the first) that holds the column headings of the rows
    // after it: a report too long for one sheet repeats it at the top of
    // the sheet it continues on. Told before the rows it heads, and before
    // any cell of its own. Told for the next row too, both rows are the
    // headings; told for a later row, that one heads the rows after it.
    virtual void columnHeadings(int row) { (void)row; }
};

} // namespace pellam
