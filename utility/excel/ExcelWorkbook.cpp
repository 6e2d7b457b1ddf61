#include "excel/ExcelWorkbook.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "excel/SheetRows.h"
#include "excel/SheetWriterThread.h"
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

using excel::Look;
using excel::Span;
using excel::Value;
using enum excel::Look;

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
    QByteArray partName;
    std::unique_ptr<excel::SheetWriterThread> writer;
    QStringList names; // of the sheets
    std::vector<int> widths; // by column: characters of its longest text
    excel::SheetRows rows;

    // The row being written: where it went, the columns that have a value
    // (a bordered one without is framed blank when the row ends), and
    // whether anything reached it yet.
    int current = -1;
    excel::SheetRow here;
    bool touched = false;
    std::vector<int> filled;
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
        bool border;
    };
    std::vector<Copied> headings;

    [[noreturn]] void outOfOrder(const QString& what) const
    {
        throw PellamError(InvalidCall,
                          QStringLiteral("The workbook %1 is written row by row: %2 came after row %3 was written")
                              .arg(fileName, what, QString::number(current + 1)),
                          kSource);
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
        const int number = int(names.size()) + 1;
        QString name = QStringLiteral("Sheet1");
        if (number > 1) {
            // A sheet's name has at most 31 characters.
            const QString suffix = QStringLiteral(" (%1)").arg(number);
            name = names.front().left(31 - suffix.size()) + suffix;
        }
        writer->addSheet(name);
        names << name;
        // The headings first, as they were on the sheet before.
        for (const Copied& c : headings)
            writer->write(int(names.size()) - 1, c.row, c.columns, c.value, c.border);
    }

    // Writes a value into the row being written, and keeps a copy when the
    // row holds column headings.
    void put(Span cols, const Value& v)
    {
        const bool border = framed(cols.first);
        writer->write(here.sheet, here.row, cols, v, border);
        touched = true;
        for (int col = cols.first; col <= cols.last; ++col)
            filled.push_back(col);
        if (current >= headingFirst && current <= headingLast)
            headings.push_back({current - headingFirst, cols, v, border});
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
        if (here.sheet == int(names.size()))
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
    d->writer = std::make_unique<excel::SheetWriterThread>(d->partName, QFile::encodeName(QDir::tempPath()));
    d->addSheet();
}

ExcelWorkbook::~ExcelWorkbook() = default;

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
    saved_ = true;
    excel::SheetWriterThread::Outcome outcome;
    {
        QuietStandardError quiet;
        outcome = d->writer->close(d->widths);
    }
    const QString part = QFile::decodeName(d->partName);
    QString reason;
    if (outcome.error != LXW_NO_ERROR) {
        reason = failureOf(outcome.error, outcome.systemError);
        if (!outcome.where.isEmpty()) {
            if (reason.endsWith(QLatin1Char('.')))
                reason.chop(1);
            reason += QStringLiteral(" (%1)").arg(outcome.where);
        }
    } else if (const auto broken = excel::brokenWorkbookPart(part)) {
        reason = QStringLiteral("its part %1 came out cut short").arg(*broken);
    }
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
