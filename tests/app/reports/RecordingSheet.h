#pragma once

// A workbook that keeps every cell written to it, for reading back.
#include "excel/WorkbookSink.h"

#include <QMap>
#include <gtest/gtest.h>

namespace pellam::test {

// Every cell as "kind:value" by its address: t text, n number, d date,
// f formula with its computed value; a merged range's text in its first cell.
class RecordingSheet : public WorkbookSink {
public:
    QMap<QString, QString> cells;
    QStringList merged; // the merged ranges, in order
    QStringList framed; // the ranges given borders, in order
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
        put(range.section(QLatin1Char(':'), 0, 0), QStringLiteral("t:") + v);
    }
    void borders(const QString& range) override { framed << range; }

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
    void put(const QString& c, const QString& v)
    {
        EXPECT_FALSE(cells.contains(c)) << "written twice: " << c.toStdString();
        cells.insert(c, v);
    }
};


} // namespace pellam::test
