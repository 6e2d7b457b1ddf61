#include "core/LineFile.h"

#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <cstring>

namespace pellam::app {

namespace {

// About as much as one read brings in, both to index and to search: large
// enough that the reads cost little, small enough to be nothing in memory.
constexpr qint64 kBlockBytes = 4 << 20;

// Where the character at `index` of `text`, which begins with line
// `firstLine`, stands in the file.
TextPosition positionIn(const QString& text, int firstLine, qsizetype index)
{
    TextPosition at{firstLine, 0};
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < index; ++i)
        if (text[i] == QLatin1Char('\n')) {
            ++at.line;
            lineStart = i + 1;
        }
    at.column = int(index - lineStart);
    return at;
}

} // namespace

bool LineFile::open(const QString& path)
{
    file_.close();
    starts_.assign(1, 0);
    longest_ = 0;
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    QByteArray block(int(kBlockBytes), Qt::Uninitialized);
    qint64 offset = 0;
    for (;;) {
        const qint64 got = file_.read(block.data(), block.size());
        if (got < 0) {
            file_.close();
            starts_.assign(1, 0);
            return false;
        }
        if (got == 0)
            break;
        const char* begin = block.constData();
        const char* end = begin + got;
        for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)))); ++p)
            starts_.push_back(offset + (p - begin) + 1);
        // The first block tells how long the lines run: room for the rest
        // at once, rather than the index growing by doubling.
        if (offset == 0 && got == block.size())
            starts_.reserve(size_t(double(file_.size()) / double(got) * double(starts_.size()) * 1.05) + 2);
        offset += got;
    }
    if (starts_.back() != offset)
        starts_.push_back(offset);
    for (size_t i = 1; i < starts_.size(); ++i)
        longest_ = std::max(longest_, starts_[i] - starts_[i - 1]);
    return true;
}

const QString& LineFile::read(Buffer& buffer, int first, int last) const
{
    const qint64 size = bytesOf(first, last);
    buffer.bytes.resize(size);
    if (!file_.seek(starts_[size_t(first)]) || file_.read(buffer.bytes.data(), size) != size)
        buffer.bytes.clear();
    buffer.bytes.removeIf([](char c) { return c == '\r'; });
    if (buffer.bytes.endsWith('\n'))
        buffer.bytes.chop(1);
    // UTF-8 never takes more UTF-16 units than it has bytes.
    buffer.text.resize(buffer.bytes.size());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QChar* end = utf8.appendToBuffer(buffer.text.data(), buffer.bytes);
    buffer.text.truncate(end - buffer.text.constData());
    return buffer.text;
}

QString LineFile::text(int first, int last) const
{
    Buffer buffer;
    read(buffer, first, last);
    return std::move(buffer.text);
}

QString LineFile::line(int index) const
{
    if (index < 0 || index >= lineCount())
        return {};
    return text(index, index);
}

QStringList LineFile::lines(int first, int count) const
{
    first = std::max(first, 0);
    const int last = std::min(first + count, lineCount()) - 1;
    if (last < first)
        return {};
    return text(first, last).split(QLatin1Char('\n'));
}

qint64 LineFile::bytesOf(int first, int last) const
{
    return starts_[size_t(last) + 1] - starts_[size_t(first)];
}

int LineFile::blockEndFrom(int first, int lastLine) const
{
    const auto next = std::upper_bound(starts_.begin() + first + 1, starts_.end(), starts_[size_t(first)] + kBlockBytes);
    const int last = int(next - starts_.begin()) - 2;
    return std::clamp(last, first, lastLine);
}

int LineFile::blockStartBefore(int last, int firstLine) const
{
    const auto from = std::lower_bound(starts_.begin(), starts_.begin() + last + 1, starts_[size_t(last) + 1] - kBlockBytes);
    return std::clamp(int(from - starts_.begin()), firstLine, last);
}

std::optional<TextPosition> LineFile::findForward(Buffer& buffer, const QString& needle, TextPosition from,
                                                  int lastLine) const
{
    qsizetype column = from.column;
    for (int first = from.line; first <= lastLine;) {
        const int last = blockEndFrom(first, lastLine);
        const QString& block = read(buffer, first, last);
        if (const qsizetype at = block.indexOf(needle, std::min(column, block.size()), Qt::CaseInsensitive); at >= 0)
            return positionIn(block, first, at);
        first = last + 1;
        column = 0;
    }
    return std::nullopt;
}

std::optional<TextPosition> LineFile::findBackward(Buffer& buffer, const QString& needle, TextPosition before,
                                                   int firstLine) const
{
    qsizetype column = before.column;
    for (int last = before.line; last >= firstLine;) {
        const int first = blockStartBefore(last, firstLine);
        const QString& block = read(buffer, first, last);
        // Only a match that starts before the given place on its line counts.
        const qsizetype lastLineStart = block.lastIndexOf(QLatin1Char('\n')) + 1;
        const qsizetype from = std::min(lastLineStart + column, block.size()) - 1;
        if (from >= 0)
            if (const qsizetype at = block.lastIndexOf(needle, from, Qt::CaseInsensitive); at >= 0)
                return positionIn(block, first, at);
        last = first - 1;
        column = block.size();
    }
    return std::nullopt;
}

std::optional<LineFile::Match> LineFile::find(const QString& needle, TextPosition from, bool forward) const
{
    if (needle.isEmpty() || lineCount() == 0)
        return std::nullopt;
    from.line = std::clamp(from.line, 0, lineCount() - 1);
    Buffer buffer;
    if (forward) {
        if (auto at = findForward(buffer, needle, from, lineCount() - 1))
            return Match{*at, false};
        if (auto at = findForward(buffer, needle, {0, 0}, from.line))
            return Match{*at, true};
    } else {
        if (auto at = findBackward(buffer, needle, from, 0))
            return Match{*at, false};
        if (auto at = findBackward(buffer, needle, {lineCount() - 1, INT_MAX}, from.line))
            return Match{*at, true};
    }
    return std::nullopt;
}

} // namespace pellam::app
