#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pellam::data {

// A file's bytes as text: UTF-8, with or without a byte-order mark, else
// (any byte that is not UTF-8) Windows-1252, as spreadsheets on Windows
// save their CSV.
QString csvText(const QByteArray& bytes);

// One row of a CSV text and the line it starts on (the first line is 1).
struct CsvRow {
    int line = 0;
    QStringList fields;
};

// The rows of a CSV text one at a time. The separator is a comma or a
// semicolon, whichever the first line holding either has more of outside
// quotes (a bank's title lines above its statement hold neither). A field
// in double quotes may hold separators, line breaks and doubled quotes;
// empty lines are passed over.
class CsvRows {
public:
    explicit CsvRows(const QString& text);

    // The next row into `row`; false at the end of the text.
    bool next(CsvRow& row);
    // The line of a quoted field that the text ends inside, else 0.
    int unclosedQuoteLine() const { return unclosedQuote_; }
    // How much of the text has been read, in characters.
    qsizetype position() const { return at_; }

private:
    static QChar separatorOf(const QString& text);

    const QString& text_;
    QChar separator_;
    qsizetype at_ = 0;
    int line_ = 1;
    int unclosedQuote_ = 0;
};

} // namespace pellam::data
