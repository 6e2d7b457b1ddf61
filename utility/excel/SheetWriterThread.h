#pragma once

#include "excel/SheetCells.h"

#include <QString>
#include <memory>
#include <vector>

namespace pellam::excel {

// The library's side of a workbook, on a thread of its own: the report
// computes its next rows while the rows before go into the scratch files.
// Everything is done in the order it is asked for; only this class calls
// the library until the workbook is closed. Not for use elsewhere.
class SheetWriterThread {
public:
    // Throws PellamError when the library cannot begin a workbook.
    SheetWriterThread(const QByteArray& partName, const QByteArray& scratchFolder);
    // Abandons a workbook not closed: its scratch files go with it.
    ~SheetWriterThread();
    SheetWriterThread(const SheetWriterThread&) = delete;
    SheetWriterThread& operator=(const SheetWriterThread&) = delete;

    void addSheet(const QString& name);
    // A value into a sheet (counted from 0) at a row of it.
    void write(int sheet, int row, Span columns, const Value& value, bool border);

    // Waits for every write, sets the columns' widths (characters, by
    // column; 0 leaves one as it is) on every sheet and closes the
    // workbook. The first failure of the library, with errno at that time.
    struct Outcome {
        lxw_error error = LXW_NO_ERROR;
        int systemError = 0;
        QString where; // the sheet and cell, for a failed write
    };
    Outcome close(const std::vector<int>& widths);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace pellam::excel
