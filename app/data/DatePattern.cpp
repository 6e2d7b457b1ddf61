#include "data/DatePattern.h"

namespace pellam::data {

namespace {

const char* const kMonthNames[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                   "jul", "aug", "sep", "oct", "nov", "dec"};

// Up to `most` digits at `at`, at least one; -1 when there is none.
int digitsAt(const QString& text, qsizetype& at, int most)
{
    int value = 0;
    int read = 0;
    while (read < most && at < text.size() && text[at].isDigit() && text[at].unicode() < 128) {
        value = value * 10 + (text[at].unicode() - u'0');
        ++at;
        ++read;
    }
    return read == 0 ? -1 : value;
}

} // namespace

std::optional<DatePattern> DatePattern::read(const QString& given)
{
    DatePattern out;
    out.pattern_ = given.trimmed();
    const QString pattern = out.pattern_.toLower();
    int days = 0, months = 0, years = 0;
    for (qsizetype at = 0; at < pattern.size();) {
        const QChar c = pattern[at];
        qsizetype run = 1;
        while (at + run < pattern.size() && pattern[at + run] == c)
            ++run;
        if (c == u'd' && run <= 2) {
            out.pieces_.append({Part::Day, {}});
            ++days;
        } else if (c == u'm' && run <= 3) {
            out.pieces_.append({run == 3 ? Part::MonthName : Part::Month, {}});
            ++months;
        } else if (c == u'y' && (run == 2 || run == 4)) {
            out.pieces_.append({run == 2 ? Part::ShortYear : Part::Year, {}});
            ++years;
        } else if (c.isLetterOrNumber()) {
            return std::nullopt;
        } else {
            if (out.pieces_.isEmpty() || out.pieces_.last().part != Part::Text)
                out.pieces_.append({Part::Text, {}});
            out.pieces_.last().text += out.pattern_.mid(at, run);
        }
        at += run;
    }
    if (days != 1 || months != 1 || years != 1)
        return std::nullopt;
    return out;
}

std::optional<QDate> DatePattern::dateOf(const QString& given) const
{
    const QString text = given.trimmed();
    int day = -1, month = -1, year = -1;
    qsizetype at = 0;
    for (const Piece& piece : pieces_) {
        switch (piece.part) {
        case Part::Day:
            day = digitsAt(text, at, 2);
            break;
        case Part::Month:
            month = digitsAt(text, at, 2);
            break;
        case Part::MonthName: {
            const QString name = text.mid(at, 3).toLower();
            for (int i = 0; i < 12; ++i)
                if (name == QLatin1String(kMonthNames[i]))
                    month = i + 1;
            // "Sept" and whole names ("April") are read by their first three
            // letters.
            at += 3;
            while (at < text.size() && text[at].isLetter())
                ++at;
            break;
        }
        case Part::ShortYear:
        case Part::Year: {
            // A year has all its digits: "26" read as yyyy is no year.
            const int width = piece.part == Part::Year ? 4 : 2;
            const qsizetype from = at;
            year = digitsAt(text, at, width);
            if (at - from != width)
                return std::nullopt;
            if (width == 2)
                year += 2000;
            break;
        }
        case Part::Text:
            if (text.mid(at, piece.text.size()).compare(piece.text, Qt::CaseInsensitive) != 0)
                return std::nullopt;
            at += piece.text.size();
            break;
        }
        if (day == -1 && piece.part == Part::Day)
            return std::nullopt;
        if (month == -1 && (piece.part == Part::Month || piece.part == Part::MonthName))
            return std::nullopt;
    }
    if (at < text.size() && !text[at].isSpace())
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace pellam::data
