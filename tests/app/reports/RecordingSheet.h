#pragma once

// A workbook that keeps every cell written to it, for reading back.
#include "excel/WorkbookSink.h"

#include <QMap>
#include <algorithm>
#include <gtest/gtest.h>

namespace pellam::test {

// Every cell as "kind:value" by its address: t text, n number, d date,
// f formula with its computed value; a merged range's text in its first cell.
// A workbook is written row by row, so whatever is told for a row before
// the last row written fails the test, as it would fail the workbook.
class RecordingSheet : public WorkbookSink {
public:
    QMap<QString, QString> cells;
    QStringList merged;       // the merged ranges, in order
    QStringList framed;       // the ranges given borders, in order
    QList<int> headingRows;   // the rows told to hold column headings, in order
    void text(const QString& c, const QString& v) override { put(c, QStringLiteral("t:") + v); }
    void amount(const QString& c, Currency v) override { put(c, QStringLiteral("n:") + v.toString(2)); }
    void date(const QString& c, const QDate& v) override { put(c, QStringLiteral("d:") + v.toString(Qt::ISODate)); }
    void formula(const QString& c, const QString& f, Currency v) override
    {
        put(c, QStringLiteral("f:") + f + QLatin1Char('=') + v.toString(2));
    }
    // The text stands in the range's first cell.
    void mergedText(const QString& range, const QString& v) override
    {
        merged << range;
        // Told ahead, a merge waits for its row like borders do.
        put(range.section(QLatin1Char(':'), 0, 0), QStringLiteral("t:") + v, false);
    }
    // Before any cell of the rows framed or headed.
    void borders(const QString& range) override
    {
        EXPECT_GT(rowOf(range), written_) << "borders after their rows: " << range.toStdString();
        framed << range;
    }
    void columnHeadings(int row) override
    {
        EXPECT_GT(row, written_) << "headings after their row: " << row;
        headingRows << row;
    }

    // The cells of rows first to last.
    QMap<QString, QString> rows(int first, int last) const
    {
        QMap<QString, QString> out;
        for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
            const int row = it.key().mid(1).toInt();
            if (row >= first && row <= last)
                out.insert(it.key(), it.value());
        }
        return out;
    }

private:
    int written_ = 0; // the last row written
    static int rowOf(const QString& cell)
    {
        qsizetype at = 0;
        while (at < cell.size() && cell[at].isLetter())
            ++at;
        return cell.mid(at).section(QLatin1Char(':'), 0, 0).toInt();
    }
    void put(const QString& c, const QString& v, bool writesRow = true)
    {
        EXPECT_FALSE(cells.contains(c)) << "written twice: " << c.toStdString();
        EXPECT_GE(rowOf(c), written_) << "written after a later row: " << c.toStdString();
        if (writesRow)
            written_ = std::max(written_, rowOf(c));
        cells.insert(c, v);
    }
};


} // namespace pellam::test
