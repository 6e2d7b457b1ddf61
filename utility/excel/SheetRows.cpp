#include "excel/SheetRows.h"

#include <QStringList>
#include <algorithm>
#include <optional>

namespace pellam::excel {

SheetRows::SheetRows(int rowsPerSheet) : perSheet_(std::max(rowsPerSheet, 1)), starts_{{0, 0}} {}

SheetRow SheetRows::place(int row, int headingRows)
{
    lastHeadings_ = headingRows < perSheet_ ? headingRows : 0;
    const Start& last = starts_.back();
    const int at = row - last.first + last.headings;
    if (at < perSheet_)
        return {sheets() - 1, at};
    starts_.push_back({row, lastHeadings_});
    return {sheets() - 1, lastHeadings_};
}

SheetRow SheetRows::locate(int row) const
{
    const auto after = std::upper_bound(starts_.cbegin(), starts_.cend(), row,
                                        [](int r, const Start& s) { return r < s.first; });
    const auto sheet = after == starts_.cbegin() ? starts_.cbegin() : after - 1;
    const int at = row - sheet->first + sheet->headings;
    const int index = int(sheet - starts_.cbegin());
    if (at < perSheet_ || after != starts_.cend())
        return {index, at};
    // A row not reached yet, on a sheet still to come.
    const int past = at - perSheet_;
    const int room = perSheet_ - lastHeadings_;
    return {index + 1 + past / room, lastHeadings_ + past % room};
}

namespace {

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Part of a name: a function, a sheet or a defined name, never the start
// of a cell reference.
bool isNamePart(QChar c)
{
    return isLetter(c) || isDigit(c) || c == QLatin1Char('_') || c == QLatin1Char('.') || c == QLatin1Char('$') ||
           c == QLatin1Char('!') || c == QLatin1Char('\'');
}

struct Reference {
    QStringView column;
    int row = 0; // from 0
    qsizetype end = 0;
};

// The cell reference ("e5") that begins at `at`, if one does.
std::optional<Reference> referenceAt(const QString& s, qsizetype at)
{
    qsizetype i = at;
    while (i < s.size() && isLetter(s[i]) && i - at < 3)
        ++i;
    const qsizetype digits = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    if (digits == at || i == digits || (i < s.size() && (isNamePart(s[i]) || s[i] == QLatin1Char('('))))
        return std::nullopt;
    bool ok = false;
    const int row = QStringView(s).mid(digits, i - digits).toInt(&ok);
    if (!ok || row < 1)
        return std::nullopt;
    return Reference{QStringView(s).mid(at, digits - at), row - 1, i};
}

QString quotedSheet(const QString& name)
{
    return QLatin1Char('\'') + QString(name).replace(QLatin1Char('\''), QStringLiteral("''")) + QStringLiteral("'!");
}

} // namespace

QString formulaOnSheet(const QString& formula, int on, const SheetRows& rows,
                       const std::function<QString(int)>& sheetName)
{
    const auto sheetOf = [&](int sheet) { return sheet == on ? QString() : quotedSheet(sheetName(sheet)); };
    const auto cell = [](QStringView column, int row) { return column.toString() + QString::number(row + 1); };
    QString out;
    out.reserve(formula.size());
    qsizetype i = 0;
    while (i < formula.size()) {
        const QChar c = formula[i];
        if (c == QLatin1Char('"')) {
            const qsizetype close = formula.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? formula.size() : close + 1;
            out += QStringView(formula).mid(i, end - i);
            i = end;
            continue;
        }
        const bool starts = isLetter(c) && (i == 0 || !isNamePart(formula[i - 1]));
        const auto first = starts ? referenceAt(formula, i) : std::nullopt;
        if (!first) {
            // The rest of a name is no reference either.
            do
                out += formula[i++];
            while (starts && i < formula.size() && isNamePart(formula[i]));
            continue;
        }
        std::optional<Reference> last;
        if (first->end + 1 < formula.size() && formula[first->end] == QLatin1Char(':') &&
            isLetter(formula[first->end + 1]))
            last = referenceAt(formula, first->end + 1);
        if (!last) {
            const SheetRow at = rows.locate(first->row);
            out += sheetOf(at.sheet) + cell(first->column, at.row);
            i = first->end;
            continue;
        }
        // A range: its part on each sheet it runs over.
        const int top = std::min(first->row, last->row), bottom = std::max(first->row, last->row);
        QStringList parts;
        for (int row = top; row <= bottom;) {
            const SheetRow from = rows.locate(row);
            const int until = std::min(bottom, row + rows.rowsPerSheet() - 1 - from.row);
            parts << sheetOf(from.sheet) + cell(first->column, from.row) + QLatin1Char(':') +
                         cell(last->column, rows.locate(until).row);
            row = until + 1;
        }
        const bool sumArgument = i >= 4 && QStringView(formula).mid(i - 4, 4).compare(QLatin1String("sum("), Qt::CaseInsensitive) == 0 &&
                                 last->end < formula.size() && formula[last->end] == QLatin1Char(')');
        out += parts.size() == 1 || sumArgument ? parts.join(QLatin1Char(','))
                                                : QStringLiteral("SUM(") + parts.join(QLatin1Char(',')) + QLatin1Char(')');
        i = last->end;
    }
    return out;
}

} // namespace pellam::excel
