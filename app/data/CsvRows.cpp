#include "data/CsvRows.h"

#include "text/Windows1252.h"

#include <QStringDecoder>

namespace pellam::data {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

} // namespace

QString csvText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder drops a leading byte-order mark.
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Its five unused codes read as control characters, which the checks
    // then refuse.
    return windows1252::decode(bytes);
}

CsvRows::CsvRows(const QString& text) : text_(text), separator_(separatorOf(text)) {}

QChar CsvRows::separatorOf(const QString& text)
{
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && isLineEnd(c) && commas + semicolons > 0)
            break;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons > commas ? QChar(u';') : QChar(u',');
}

bool CsvRows::next(CsvRow& row)
{
    const qsizetype size = text_.size();
    // Empty lines between rows hold no row.
    while (at_ < size && isLineEnd(text_[at_])) {
        if (text_[at_] == u'\n' || at_ + 1 >= size || text_[at_ + 1] != u'\n')
            ++line_;
        ++at_;
    }
    if (at_ >= size)
        return false;
    row.line = line_;
    row.fields.clear();
    QString field;
    bool quoted = false;
    for (; at_ < size; ++at_) {
        const QChar c = text_[at_];
        if (quoted) {
            if (c == u'"') {
                if (at_ + 1 < size && text_[at_ + 1] == u'"') {
                    field += c;
                    ++at_;
                } else {
                    quoted = false;
                }
                continue;
            }
            // "\r\n" is one line end; a lone "\r" is one too.
            if (c == u'\n' || (c == u'\r' && (at_ + 1 >= size || text_[at_ + 1] != u'\n')))
                ++line_;
            field += c;
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == separator_) {
            row.fields.append(field);
            field.clear();
        } else if (isLineEnd(c)) {
            break;
        } else {
            field += c;
        }
    }
    if (quoted)
        unclosedQuote_ = row.line;
    row.fields.append(field);
    return true;
}

} // namespace pellam::data
