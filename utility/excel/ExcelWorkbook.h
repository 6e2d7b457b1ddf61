#pragma once

#include "UtilExport.h"
#include "excel/WorkbookSink.h"

#include <QHash>
#include <QString>
#include <memory>

namespace pellam {

// A workbook written as its rows come, in little memory whatever its
// length: each row goes to a scratch file in the system's temporary folder
// as soon as a later one begins, and Save packs them into an .xlsx file.
// So rows come in rising order (cells of one row in any order), and the
// merges and borders of a row are told before it; a cell, merge, border or
// heading row told for a row already written is a mistake of the caller
// and throws PellamError (InvalidCall), as does a merge of several rows. A report longer than a sheet goes on to "Sheet1 (2)" and
// on, each topped by a copy of the column headings (see columnHeadings);
// the caller numbers its rows as if one sheet held them all, and the cell
// references of its formulas are pointed at the sheets their rows went to.
// Columns are as wide as their longest text. Text that begins with
// = + - or @ stays text, in merged cells too, so no spreadsheet runs it as
// a formula. A text reads back as it was written, except that each control
// character is a blank.
class PELLAM_UTIL_EXPORT ExcelWorkbook : public WorkbookSink {
public:
    // The rows a sheet holds.
    static constexpr int kSheetRows = 1048576;

    // `rowsPerSheet` fewer than a sheet holds shows the going on in a test.
    explicit ExcelWorkbook(const QString& fileName, int rowsPerSheet = kSheetRows);
    ~ExcelWorkbook() override;
    ExcelWorkbook(const ExcelWorkbook&) = delete;
    ExcelWorkbook& operator=(const ExcelWorkbook&) = delete;

    QString FullName() const { return fileName_; }
    bool Saved() const { return saved_; }

    void text(const QString& cell, const QString& value) override;
    void amount(const QString& cell, Currency value) override;
    void date(const QString& cell, const QDate& value) override;
    void formula(const QString& cell, const QString& formula, Currency value) override;
    void mergedText(const QString& range, const QString& value) override;
    void borders(const QString& range) override;
    void columnHeadings(int row) override;

    // Writes the file: first under a temporary name beside it, read back
    // whole, then renamed, so a failure leaves no half-written workbook
    // (and a file of that name as it was). Throws files::cannotWrite,
    // naming the file and why, when it cannot be written in full.
    void Save();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QString fileName_;
    bool saved_ = false;
};

} // namespace pellam
