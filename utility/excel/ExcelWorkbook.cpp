#include "excel/ExcelWorkbook.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "excel/WorkbookReadBack.h"
#include "files/FileReplace.h"
#include "format/PrintableText.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <vector>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace pellam {

WorkbookSink::~WorkbookSink() = default;

namespace {

struct Address {
    lxw_row_t row;
    lxw_col_t col;
    friend bool operator<(Address a, Address b) { return a.row != b.row ? a.row < b.row : a.col < b.col; }
};

struct Range {
    Address first, last;
    bool contains(Address a) const
    {
        return a.row >= first.row && a.row <= last.row && a.col >= first.col && a.col <= last.col;
    }
};

Address address(const QString& cell)
{
    const QByteArray a = cell.toUpper().toLatin1();
    return {lxw_name_to_row(a.constData()), lxw_name_to_col(a.constData())};
}

Range range(const QString& text)
{
    const QStringList ends = text.split(QLatin1Char(':'));
    return {address(ends.front()), address(ends.back())};
}

bool looksLikeFormula(const QString& text)
{
    return !text.isEmpty() && QStringLiteral("=+-@").contains(text.front());
}

// A text as a string cell stores it, so that a spreadsheet shows it exactly.
// Control characters become blanks, as on every other route (the library
// would cut the text at a NUL and keep the others as codes). A workbook
// reads "_x0041_" as the character it names, so the underscore that
// begins such a text is itself written escaped ("_x005F_"); the library
// escapes only the control characters, which are gone by then.
QByteArray cellText(const QString& text)
{
    const QString shown = printable(text);
    if (!shown.contains(QLatin1String("_x")))
        return shown.toUtf8();
    static const QRegularExpression escapeLike(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    return QString(shown).replace(escapeLike, QStringLiteral("_x005F_")).toUtf8();
}

// How a cell is shown: its number format, then a border when it has one.
enum Look { Plain, Literal, Amount, Date, Looks };

struct Cell {
    enum Kind { Text, Number, When, Formula } kind = Text;
    Look look = Plain;
    QByteArray text; // the string or the formula, UTF-8
    double number = 0;
    lxw_datetime when{};
};

// libxlsxwriter tells its failures on the standard error, in lines of its
// own, as well as in its answer; the answer is what the program reports,
// once, so those lines are held back while it writes.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
#ifdef Q_OS_WIN
        saved_ = _dup(2);
        const int nowhere = _open("NUL", _O_WRONLY);
        if (saved_ >= 0 && nowhere >= 0)
            _dup2(nowhere, 2);
        if (nowhere >= 0)
            _close(nowhere);
#else
        saved_ = ::dup(2);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nowhere >= 0)
            ::dup2(nowhere, 2);
        if (nowhere >= 0)
            ::close(nowhere);
#endif
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (saved_ < 0)
            return;
#ifdef Q_OS_WIN
        _dup2(saved_, 2);
        _close(saved_);
#else
        ::dup2(saved_, 2);
        ::close(saved_);
#endif
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

// Why the workbook could not be written: the system's reason where a file
// failed, else the library's own words.
QString failureOf(lxw_error error, int systemError)
{
    const bool fileFailed = error == LXW_ERROR_CREATING_XLSX_FILE || error == LXW_ERROR_CREATING_TMPFILE ||
                            error == LXW_ERROR_ZIP_FILE_OPERATION || error == LXW_ERROR_ZIP_CLOSE;
    if (fileFailed && systemError != 0)
        return QString::fromLocal8Bit(std::strerror(systemError));
    return QString::fromUtf8(lxw_strerror(error));
}

} // namespace

struct ExcelWorkbook::Impl {
    lxw_workbook* book = nullptr;
    lxw_worksheet* sheet = nullptr;
    lxw_format* formats[2][Looks] = {};
    QByteArray partName;
    QHash<int, int> widths; // column -> characters of its longest text
    std::map<Address, Cell> cells;
    struct Merge {
        Range range;
        Look look;
        QByteArray text;
    };
    std::vector<Merge> merges;
    std::vector<Range> bordered;

    lxw_format* format(Look look, bool border)
    {
        lxw_format*& f = formats[border][look];
        if (!f && (look != Plain || border)) {
            f = workbook_add_format(book);
            static const char* const numbers[Looks] = {nullptr, "@", "##,##,##0.00", "dd/mm/yyyy"};
            if (numbers[look])
                format_set_num_format(f, numbers[look]);
            if (border)
                format_set_border(f, LXW_BORDER_THIN);
        }
        return f;
    }
    bool hasBorder(Address a) const
    {
        return std::any_of(bordered.cbegin(), bordered.cend(), [a](const Range& r) { return r.contains(a); });
    }
    bool merged(Address a) const
    {
        return std::any_of(merges.cbegin(), merges.cend(), [a](const Merge& m) { return m.range.contains(a); });
    }
    void write(Address a, const Cell& c)
    {
        lxw_format* f = format(c.look, hasBorder(a));
        switch (c.kind) {
        case Cell::Text:
            worksheet_write_string(sheet, a.row, a.col, c.text.constData(), f);
            break;
        case Cell::Number:
            worksheet_write_number(sheet, a.row, a.col, c.number, f);
            break;
        case Cell::When:
            worksheet_write_datetime(sheet, a.row, a.col, const_cast<lxw_datetime*>(&c.when), f);
            break;
        case Cell::Formula:
            worksheet_write_formula_num(sheet, a.row, a.col, c.text.constData(), f, c.number);
            break;
        }
    }
};

ExcelWorkbook::ExcelWorkbook(const QString& fileName) : d(std::make_unique<Impl>()), fileName_(fileName)
{
    // libxlsxwriter opens the file only when the workbook is closed, so
    // nothing exists on disk until Save.
    d->partName = QFile::encodeName(fileName + QStringLiteral(".part"));
    d->book = workbook_new(d->partName.constData());
    if (!d->book)
        throw PellamError(OutOfMemory, QStringLiteral("Out of memory"), QStringLiteral("ExcelWorkbook"));
    d->sheet = workbook_add_worksheet(d->book, nullptr);
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
    // A string cell is never evaluated; the text format keeps it text when
    // the user edits it too.
    d->cells[a] = {Cell::Text, looksLikeFormula(value) ? Literal : Plain, cellText(value), 0, {}};
    widen(a.col, int(value.size()));
}

void ExcelWorkbook::amount(const QString& cell, Currency value)
{
    const Address a = address(cell);
    d->cells[a] = {Cell::Number, Amount, {}, value.toDouble(), {}};
    widen(a.col, int(value.toString(2).size()) + 4);
}

void ExcelWorkbook::date(const QString& cell, const QDate& value)
{
    const Address a = address(cell);
    Cell c;
    c.kind = Cell::When;
    c.look = Date;
    c.when.year = value.year();
    c.when.month = value.month();
    c.when.day = value.day();
    d->cells[a] = c;
    widen(a.col, 10);
}

void ExcelWorkbook::formula(const QString& cell, const QString& formula, Currency value)
{
    const Address a = address(cell);
    d->cells[a] = {Cell::Formula, Amount, formula.toUtf8(), value.toDouble(), {}};
    widen(a.col, int(value.toString(2).size()) + 4);
}

void ExcelWorkbook::mergedText(const QString& cells, const QString& value)
{
    // The text spans the range, so it widens no single column. It is a
    // string cell like any other, with the same guard against formulas.
    d->merges.push_back({range(cells), looksLikeFormula(value) ? Literal : Plain, cellText(value)});
}

void ExcelWorkbook::borders(const QString& cells)
{
    d->bordered.push_back(range(cells));
}

void ExcelWorkbook::Save()
{
    if (saved_)
        return;
    for (auto it = d->widths.cbegin(); it != d->widths.cend(); ++it)
        worksheet_set_column(d->sheet, lxw_col_t(it.key()), lxw_col_t(it.key()), it.value() + 2, nullptr);
    for (const auto& [where, look, text] : d->merges)
        worksheet_merge_range(d->sheet, where.first.row, where.first.col, where.last.row, where.last.col,
                              text.constData(), d->format(look, d->hasBorder(where.first)));
    for (const auto& [where, cell] : d->cells)
        if (!d->merged(where))
            d->write(where, cell);
    // Blank cells inside a bordered range are framed too.
    for (const Range& r : d->bordered)
        for (lxw_row_t row = r.first.row; row <= r.last.row; ++row)
            for (lxw_col_t col = r.first.col; col <= r.last.col; ++col)
                if (!d->cells.count({row, col}) && !d->merged({row, col}))
                    worksheet_write_blank(d->sheet, row, col, d->format(Plain, true));
    saved_ = true; // workbook_close frees the workbook whatever it answers
    lxw_error error = LXW_NO_ERROR;
    int systemError = 0;
    {
        QuietStandardError quiet;
        errno = 0;
        error = workbook_close(d->book);
        systemError = errno;
    }
    const QString part = QFile::decodeName(d->partName);
    QString reason;
    if (error != LXW_NO_ERROR)
        reason = failureOf(error, systemError);
    else if (const auto broken = excel::brokenWorkbookPart(part))
        reason = QStringLiteral("its part %1 came out cut short").arg(*broken);
    if (reason.isEmpty()) {
        try {
            files::replaceFile(part, fileName_);
        } catch (const PellamError& e) {
            reason = e.Description();
        }
    }
    if (!reason.isEmpty()) {
        QFile::remove(part);
        throw files::cannotWrite(fileName_, reason);
    }
}

} // namespace pellam
