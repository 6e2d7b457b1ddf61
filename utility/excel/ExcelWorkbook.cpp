#include "excel/ExcelWorkbook.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "excel/SheetRows.h"
#include "excel/WorkbookReadBack.h"
#include "files/FileReplace.h"
#include "format/PrintableText.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <climits>
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

// A cell as the workbook counts it, from 0: its row in the report's one
// run of rows, and its column.
struct Address {
    int row;
    int col;
};

struct Range {
    Address first, last;
};

const QString kSource = QStringLiteral("ExcelWorkbook");

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// "B5" or "b5"; anything else is a mistake of the caller. Read in place: a
// long report names millions of cells.
Address address(QStringView cell)
{
    qsizetype i = 0;
    int col = 0;
    for (; i < cell.size() && i < 3 && isLetter(cell[i]); ++i)
        col = col * 26 + (cell[i].toUpper().unicode() - 'A' + 1);
    qint64 row = 0;
    const qsizetype digits = i;
    for (; i < cell.size() && cell[i] >= QLatin1Char('0') && cell[i] <= QLatin1Char('9') && row <= INT_MAX; ++i)
        row = row * 10 + (cell[i].unicode() - '0');
    if (col == 0 || col > LXW_COL_MAX || i == digits || i != cell.size() || row < 1 || row > INT_MAX)
        throw PellamError(InvalidCall, QStringLiteral("%1 is no cell of a worksheet").arg(cell), kSource);
    return {int(row - 1), col - 1};
}

Range range(const QString& text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QStringView whole(text);
    const Range r{address(whole.left(colon < 0 ? text.size() : colon)), address(whole.mid(colon < 0 ? 0 : colon + 1))};
    if (r.last.row < r.first.row || r.last.col < r.first.col)
        throw PellamError(InvalidCall, QStringLiteral("%1 is no range of a worksheet").arg(text), kSource);
    return r;
}

// The characters of an amount as the sheet shows it ("-1234.50"), counted
// without making the text: a ledger has a million of them.
int amountCharacters(Currency value)
{
    const std::int64_t paise = value.paise();
    std::uint64_t rupees = (paise < 0 ? std::uint64_t(0) - std::uint64_t(paise) : std::uint64_t(paise)) / 100;
    int digits = 1;
    while (rupees >= 10) {
        rupees /= 10;
        ++digits;
    }
    return (paise < 0 ? 1 : 0) + digits + 3;
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

// What goes into a cell, or across a merged range.
struct Value {
    enum Kind { Text, Number, When, Formula, Blank, Merged } kind = Blank;
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
    explicit Impl(int rowsPerSheet) : rows(std::min(rowsPerSheet, ExcelWorkbook::kSheetRows)) {}

    QString fileName;
    QByteArray partName, scratchFolder;
    lxw_workbook* book = nullptr;
    std::vector<lxw_worksheet*> sheets;
    QStringList names;
    lxw_format* formats[2][Looks] = {};
    std::vector<int> widths; // by column: characters of its longest text
    excel::SheetRows rows;

    // The row being written: where it went, the columns that have a value
    // (a bordered one without is framed blank when the row ends), and
    // whether anything reached it yet.
    int current = -1;
    excel::SheetRow here;
    bool touched = false;
    std::vector<int> filled;
    struct Span {
        int first, last; // columns
        bool holds(int col) const { return col >= first && col <= last; }
    };
    std::vector<Span> mergedHere, borderedHere;

    // Told before the rows they reach.
    struct Merge {
        Span columns;
        Value value;
    };
    std::multimap<int, Merge> merges; // by row
    std::vector<Range> bordered;

    // The column headings a continued sheet repeats: rows first to last of
    // the report, and what went into them.
    int headingFirst = -1, headingLast = -1;
    struct Copied {
        int row; // from the first heading row
        Span columns;
        Value value;
        lxw_format* format;
    };
    std::vector<Copied> headings;

    [[noreturn]] void outOfOrder(const QString& what) const
    {
        throw PellamError(InvalidCall,
                          QStringLiteral("The workbook %1 is written row by row: %2 came after row %3 was written")
                              .arg(fileName, what, QString::number(current + 1)),
                          kSource);
    }
    void check(lxw_error error, const QString& what) const
    {
        if (error != LXW_NO_ERROR)
            throw PellamError(InvalidCall,
                              QStringLiteral("The workbook %1 cannot hold %2: %3")
                                  .arg(fileName, what, QString::fromUtf8(lxw_strerror(error))),
                              kSource);
    }

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
    bool framed(int col) const
    {
        return std::any_of(borderedHere.cbegin(), borderedHere.cend(), [col](const Span& s) { return s.holds(col); });
    }
    void widen(int col, qsizetype characters)
    {
        if (size_t(col) >= widths.size())
            widths.resize(size_t(col) + 1);
        widths[size_t(col)] = std::max(widths[size_t(col)], int(characters));
    }

    void addSheet()
    {
        const int number = int(sheets.size()) + 1;
        QString name = QStringLiteral("Sheet1");
        if (number > 1) {
            // A sheet's name has at most 31 characters.
            const QString suffix = QStringLiteral(" (%1)").arg(number);
            name = names.front().left(31 - suffix.size()) + suffix;
        }
        lxw_worksheet* sheet = workbook_add_worksheet(book, name.toUtf8().constData());
        if (!sheet)
            throw files::cannotWrite(fileName, QStringLiteral("no scratch file could be made for sheet %1").arg(name));
        sheets.push_back(sheet);
        names << name;
        // The headings first, as they were on the sheet before.
        for (const Copied& c : headings)
            write(sheet, c.row, c.columns, c.value, c.format);
    }

    void write(lxw_worksheet* sheet, int row, Span cols, const Value& v, lxw_format* f) const
    {
        lxw_error e = LXW_NO_ERROR;
        switch (v.kind) {
        case Value::Text:
            e = worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(cols.first), v.text.constData(), f);
            break;
        case Value::Number:
            e = worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(cols.first), v.number, f);
            break;
        case Value::When:
            e = worksheet_write_datetime(sheet, lxw_row_t(row), lxw_col_t(cols.first),
                                         const_cast<lxw_datetime*>(&v.when), f);
            break;
        case Value::Formula:
            e = worksheet_write_formula_num(sheet, lxw_row_t(row), lxw_col_t(cols.first), v.text.constData(), f,
                                            v.number);
            break;
        case Value::Blank:
            e = worksheet_write_blank(sheet, lxw_row_t(row), lxw_col_t(cols.first), f);
            break;
        case Value::Merged:
            e = worksheet_merge_range(sheet, lxw_row_t(row), lxw_col_t(cols.first), lxw_row_t(row),
                                      lxw_col_t(cols.last), v.text.constData(), f);
            break;
        }
        if (e != LXW_NO_ERROR) {
            char name[LXW_MAX_CELL_NAME_LENGTH] = {};
            lxw_rowcol_to_cell(name, lxw_row_t(row), lxw_col_t(cols.first));
            check(e, QStringLiteral("cell %1 of %2").arg(QLatin1String(name), names.back()));
        }
    }

    // Writes a value into the row being written, and keeps a copy when the
    // row holds column headings.
    void put(Span cols, const Value& v)
    {
        lxw_format* f = format(v.look, framed(cols.first));
        write(sheets[size_t(here.sheet)], here.row, cols, v, f);
        touched = true;
        for (int col = cols.first; col <= cols.last; ++col)
            filled.push_back(col);
        if (current >= headingFirst && current <= headingLast)
            headings.push_back({current - headingFirst, cols, v, f});
    }

    // The cell at an address, its row begun: rows come in rising order.
    Address at(const QString& cell)
    {
        const Address a = address(cell);
        if (a.row < current)
            outOfOrder(QStringLiteral("cell ") + cell);
        toRow(a.row);
        return a;
    }

    void putAt(Address a, const Value& v, qsizetype characters)
    {
        // A merged range keeps its text.
        if (std::none_of(mergedHere.cbegin(), mergedHere.cend(), [&](const Span& s) { return s.holds(a.col); }))
            put({a.col, a.col}, v);
        widen(a.col, characters);
    }

    void putMerge(const Merge& m)
    {
        if (m.columns.first == m.columns.last) {
            Value single = m.value;
            single.kind = Value::Text;
            put(m.columns, single);
            return;
        }
        put(m.columns, m.value);
        mergedHere.push_back(m.columns);
    }

    // The next row from `from` on that has something told for it, or
    // INT_MAX when none has.
    int nextTold(int from) const
    {
        int next = INT_MAX;
        if (const auto m = merges.lower_bound(from); m != merges.cend())
            next = m->first;
        for (const Range& r : bordered)
            if (r.last.row >= from)
                next = std::min(next, std::max(r.first.row, from));
        return next;
    }

    void startRow(int row)
    {
        const int headingRows = headingLast >= 0 && headingLast < row ? headingLast - headingFirst + 1 : 0;
        current = row;
        here = rows.place(row, headingRows);
        if (here.sheet == int(sheets.size()))
            addSheet();
        touched = false;
        filled.clear();
        mergedHere.clear();
        borderedHere.clear();
        bordered.erase(std::remove_if(bordered.begin(), bordered.end(), [row](const Range& r) { return r.last.row < row; }),
                       bordered.end());
        for (const Range& r : bordered)
            if (r.first.row <= row)
                borderedHere.push_back({r.first.col, r.last.col});
        const auto [from, to] = merges.equal_range(row);
        for (auto m = from; m != to; ++m)
            putMerge(m->second);
        merges.erase(from, to);
    }

    // Blank cells inside a bordered range are framed too.
    void finishRow()
    {
        if (current < 0)
            return;
        for (const Span& s : borderedHere)
            for (int col = s.first; col <= s.last; ++col)
                if (std::find(filled.cbegin(), filled.cend(), col) == filled.cend())
                    put({col, col}, Value{});
    }

    // Moves on to `row`, writing the rows before it that have merges or
    // borders told for them.
    void toRow(int row)
    {
        if (row == current)
            return;
        finishRow();
        for (int r = nextTold(current + 1); r < row; r = nextTold(current + 1)) {
            startRow(r);
            finishRow();
        }
        startRow(row);
    }

    void finishAll()
    {
        finishRow();
        for (int r = nextTold(current + 1); r != INT_MAX; r = nextTold(current + 1)) {
            startRow(r);
            finishRow();
        }
    }
};

ExcelWorkbook::ExcelWorkbook(const QString& fileName, int rowsPerSheet)
    : d(std::make_unique<Impl>(rowsPerSheet)), fileName_(fileName)
{
    d->fileName = fileName;
    // The workbook itself is made only when it is closed, so nothing
    // exists beside it until Save; the rows wait in scratch files in the
    // temporary folder, which go when the workbook does.
    d->partName = QFile::encodeName(fileName + QStringLiteral(".part"));
    d->scratchFolder = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = d->scratchFolder.data();
    d->book = workbook_new_opt(d->partName.constData(), &options);
    if (!d->book)
        throw PellamError(OutOfMemory, QStringLiteral("Out of memory"), kSource);
    try {
        d->addSheet();
    } catch (...) {
        lxw_workbook_free(d->book);
        throw;
    }
}

ExcelWorkbook::~ExcelWorkbook()
{
    if (!saved_)
        lxw_workbook_free(d->book);
}

void ExcelWorkbook::text(const QString& cell, const QString& value)
{
    // A string cell is never evaluated; the text format keeps it text when
    // the user edits it too.
    d->putAt(d->at(cell), {Value::Text, looksLikeFormula(value) ? Literal : Plain, cellText(value), 0, {}}, value.size());
}

void ExcelWorkbook::amount(const QString& cell, Currency value)
{
    d->putAt(d->at(cell), {Value::Number, Amount, {}, value.toDouble(), {}}, amountCharacters(value) + 4);
}

void ExcelWorkbook::date(const QString& cell, const QDate& value)
{
    Value v;
    v.kind = Value::When;
    v.look = Date;
    v.when.year = value.year();
    v.when.month = value.month();
    v.when.day = value.day();
    d->putAt(d->at(cell), v, 10);
}

void ExcelWorkbook::formula(const QString& cell, const QString& formula, Currency value)
{
    const Address a = d->at(cell);
    // Its references point at the sheets their rows went to.
    const QString onSheet = excel::formulaOnSheet(formula, d->here.sheet, d->rows,
                                                  [this](int sheet) { return d->names.value(sheet); });
    d->putAt(a, {Value::Formula, Amount, onSheet.toUtf8(), value.toDouble(), {}}, amountCharacters(value) + 4);
}

void ExcelWorkbook::mergedText(const QString& cells, const QString& value)
{
    const Range r = range(cells);
    if (r.first.row != r.last.row)
        throw PellamError(InvalidCall, QStringLiteral("The merged range %1 spans more than one row").arg(cells), kSource);
    if (r.first.row < d->current)
        d->outOfOrder(QStringLiteral("the merged range ") + cells);
    // The text spans the range, so it widens no single column. It is a
    // string cell like any other, with the same guard against formulas.
    Impl::Merge m{{r.first.col, r.last.col}, {Value::Merged, looksLikeFormula(value) ? Literal : Plain, cellText(value), 0, {}}};
    if (r.first.row == d->current)
        d->putMerge(m);
    else
        d->merges.emplace(r.first.row, std::move(m));
}

void ExcelWorkbook::borders(const QString& cells)
{
    const Range r = range(cells);
    if (r.first.row < d->current || (r.first.row == d->current && d->touched))
        d->outOfOrder(QStringLiteral("the borders of ") + cells);
    d->bordered.push_back(r);
    if (r.first.row == d->current)
        d->borderedHere.push_back({r.first.col, r.last.col});
}

void ExcelWorkbook::columnHeadings(int row)
{
    const int at = row - 1;
    if (at < d->current || (at == d->current && d->touched))
        d->outOfOrder(QStringLiteral("the column headings of row %1").arg(row));
    if (d->headingLast >= 0 && (at == d->headingLast + 1 || at == d->headingLast)) {
        d->headingLast = at;
        return;
    }
    d->headingFirst = d->headingLast = at;
    d->headings.clear();
}

void ExcelWorkbook::Save()
{
    if (saved_)
        return;
    d->finishAll();
    // Set last: the library writes the widths ahead of the rows whenever
    // they are set.
    for (lxw_worksheet* sheet : d->sheets)
        for (size_t col = 0; col < d->widths.size(); ++col)
            if (d->widths[col] > 0)
                worksheet_set_column(sheet, lxw_col_t(col), lxw_col_t(col), d->widths[col] + 2, nullptr);
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
