#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace pellam::app {

// A place in a text seen as lines: the line and the column in its text.
struct TextPosition {
    int line = 0;
    int column = 0;

    friend bool operator==(const TextPosition&, const TextPosition&) = default;
    friend auto operator<=>(const TextPosition&, const TextPosition&) = default;
};

// A UTF-8 text file seen as lines, read only where asked: opening indexes
// where each line starts, and a line's text is read when it is wanted, so a
// file of a million lines costs its index, not its text. A line ends at "\n";
// carriage returns are dropped, as a text-mode read drops them.
class LineFile {
public:
    // Indexes `path`; false when it cannot be read.
    bool open(const QString& path);

    int lineCount() const { return int(starts_.size()) - 1; }
    QString line(int index) const;
    // The lines from `first` on, at most `count` of them.
    QStringList lines(int first, int count) const;
    // The bytes the lines from `first` to `last` take in the file.
    qint64 bytesOf(int first, int last) const;
    // The bytes of the longest line, a bound for its width on screen.
    qint64 longestLineBytes() const { return longest_; }

    struct Match {
        TextPosition at;
        bool wrapped = false; // found only after going round the file's end
    };
    // The nearest `text`, ignoring case, starting at or after `from` (forward)
    // or before it (backward); the search goes round the file's end once.
    // The file is read a block at a time, never whole.
    std::optional<Match> find(const QString& text, TextPosition from, bool forward) const;

private:
    // Room for the lines read, kept from one block to the next so that a
    // search through the whole file allocates it once.
    struct Buffer {
        QByteArray bytes;
        QString text;
    };
    // The lines from `first` to `last` joined by "\n", read into `buffer`.
    const QString& read(Buffer& buffer, int first, int last) const;
    QString text(int first, int last) const;
    // Blocks of whole lines of about a read's worth, kept within the lines
    // searched: the last line of one that starts at `first`, and the first
    // line of one that ends at `last`.
    int blockEndFrom(int first, int lastLine) const;
    int blockStartBefore(int last, int firstLine) const;
    std::optional<TextPosition> findForward(Buffer& buffer, const QString& text, TextPosition from,
                                            int lastLine) const;
    std::optional<TextPosition> findBackward(Buffer& buffer, const QString& text, TextPosition before,
                                             int firstLine) const;

    mutable QFile file_;
    // Where each line starts, then the file's size.
    std::vector<qint64> starts_{0};
    qint64 longest_ = 0;
};

} // namespace pellam::app
