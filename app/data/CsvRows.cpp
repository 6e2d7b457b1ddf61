#include "data/CsvRows.h"

#include <QStringDecoder>

namespace pellam::data {

namespace {

// Windows-1252 where it differs from Latin-1: 0x80 to 0x9F. The five bytes
// it leaves unused read as Latin-1's control characters, which the checks
// then refuse.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(kCp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

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
    return fromWindows1252(bytes);
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
        else if (!quoted && isLineEnd(c))
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
