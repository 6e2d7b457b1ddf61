#include "excel/ExcelWorkbook.h"

#include "errors/PellamError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <xlsxwriter.h>

namespace pellam {

WorkbookSink::~WorkbookSink() = default;

struct ExcelWorkbook::Impl {
    lxw_workbook* book = nullptr;
    lxw_worksheet* sheet = nullptr;
    lxw_format* amount = nullptr;
    lxw_format* date = nullptr;
    lxw_format* literal = nullptr; // text that must never become a formula
    lxw_format* centred = nullptr; // a text across merged cells
    QByteArray partName;
    QHash<int, int> widths; // column -> characters of its longest text
};

namespace {

struct Address {
    lxw_row_t row;
    lxw_col_t col;
};

Address address(const QString& cell)
{
    const QByteArray a = cell.toUpper().toLatin1();
    return {lxw_name_to_row(a.constData()), lxw_name_to_col(a.constData())};
}

bool looksLikeFormula(const QString& text)
{
    return !text.isEmpty() && QStringLiteral("=+-@").contains(text.front());
}

} // namespace

ExcelWorkbook::ExcelWorkbook(const QString& fileName) : d(std::make_unique<Impl>()), fileName_(fileName)
{
    // libxlsxwriter opens the file only when the workbook is closed, so
    // nothing exists on disk until Save.
    d->partName = QFile::encodeName(fileName + QStringLiteral(".part"));
    d->book = workbook_new(d->partName.constData());
    if (!d->book)
        throw PellamError(7, QStringLiteral("Out of memory"), QStringLiteral("ExcelWorkbook"));
    d->sheet = workbook_add_worksheet(d->book, nullptr);
    d->amount = workbook_add_format(d->book);
    format_set_num_format(d->amount, "##,##,##0.00");
    d->date = workbook_add_format(d->book);
    format_set_num_format(d->date, "dd/mm/yyyy");
    d->literal = workbook_add_format(d->book);
    format_set_num_format(d->literal, "@");
    d->centred = workbook_add_format(d->book);
    format_set_align(d->centred, LXW_ALIGN_CENTER);
}

ExcelWorkbook::~ExcelWorkbook()
{
    if (!saved_)
        lxw_workbook_free(d->book);
}

void ExcelWorkbook::widen(int column, int characters)
{
    int& width = d->widths[column];
    width = std::max(width, characters);
}

void ExcelWorkbook::text(const QString& cell, const QString& value)
{
    const Address a = address(cell);
    const QByteArray utf8 = value.toUtf8();
    // A string cell is never evaluated; the text format keeps it text when
    // the user edits it too.
    worksheet_write_string(d->sheet, a.row, a.col, utf8.constData(), looksLikeFormula(value) ? d->literal : nullptr);
    widen(a.col, int(value.size()));
}

void ExcelWorkbook::amount(const QString& cell, Currency value)
{
    const Address a = address(cell);
    worksheet_write_number(d->sheet, a.row, a.col, value.toDouble(), d->amount);
    widen(a.col, int(value.toString(2).size()) + 4);
}

void ExcelWorkbook::date(const QString& cell, const QDate& value)
{
    const Address a = address(cell);
    lxw_datetime when{};
    when.year = value.year();
    when.month = value.month();
    when.day = value.day();
    worksheet_write_datetime(d->sheet, a.row, a.col, &when, d->date);
    widen(a.col, 10);
}

void ExcelWorkbook::formula(const QString& cell, const QString& formula, Currency value)
{
    const Address a = address(cell);
    const QByteArray utf8 = formula.toUtf8();
    worksheet_write_formula_num(d->sheet, a.row, a.col, utf8.constData(), d->amount, value.toDouble());
    widen(a.col, int(value.toString(2).size()) + 4);
}

void ExcelWorkbook::mergedText(const QString& range, const QString& value)
{
    const QStringList ends = range.split(QLatin1Char(':'));
    const Address first = address(ends.front());
    const Address last = address(ends.back());
    const QByteArray utf8 = value.toUtf8();
    // A merged cell is written as a string, so it is never evaluated.
    worksheet_merge_range(d->sheet, first.row, first.col, last.row, last.col, utf8.constData(), d->centred);
}

void ExcelWorkbook::Save()
{
    if (saved_)
        return;
    for (auto it = d->widths.cbegin(); it != d->widths.cend(); ++it)
        worksheet_set_column(d->sheet, lxw_col_t(it.key()), lxw_col_t(it.key()), it.value() + 2, nullptr);
    saved_ = true; // workbook_close frees the workbook whatever it answers
    const lxw_error error = workbook_close(d->book);
    const QString part = QFile::decodeName(d->partName);
    if (error != LXW_NO_ERROR) {
        QFile::remove(part);
        throw PellamError(75, QStringLiteral("Path/File access error: ") + fileName_ + QStringLiteral(" (") +
                                  QString::fromUtf8(lxw_strerror(error)) + QLatin1Char(')'),
                          QStringLiteral("ExcelWorkbook"));
    }
    QFile::remove(fileName_);
    if (!QFile::rename(part, fileName_)) {
        QFile::remove(part);
        throw PellamError(75, QStringLiteral("Path/File access error: ") + fileName_, QStringLiteral("ExcelWorkbook"));
    }
}

} // namespace pellam
