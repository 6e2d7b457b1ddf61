#pragma once

#include "UtilExport.h"
#include "excel/WorkbookSink.h"

#include <QHash>
#include <QString>
#include <memory>

namespace pellam {

// A workbook of one sheet, kept in memory until Save writes it as an .xlsx
// file; cells are written then, so borders set after the cells still reach
// them. Columns are as wide as their longest text. Text that begins with
// = + - or @ stays text, in merged cells too, so no spreadsheet runs it as
// a formula. A text reads back as it was written, except that each control
// character is a blank.
class PELLAM_UTIL_EXPORT ExcelWorkbook : public WorkbookSink {
public:
    explicit ExcelWorkbook(const QString& fileName);
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

    // Writes the file: first under a temporary name beside it, read back
    // whole, then renamed, so a failure leaves no half-written workbook
    // (and a file of that name as it was). Throws files::cannotWrite,
    // naming the file and why, when it cannot be written in full.
    void Save();

private:
    struct Impl;
    void widen(int column, int characters);
    std::unique_ptr<Impl> d;
    QString fileName_;
    bool saved_ = false;
};

} // namespace pellam
