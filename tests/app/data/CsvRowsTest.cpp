#include "data/CsvRows.h"

#include <gtest/gtest.h>

using namespace pellam::data;

namespace {

QList<CsvRow> rowsOf(const QString& text)
{
    QList<CsvRow> rows;
    CsvRows reader(text);
    for (CsvRow row; reader.next(row);)
        rows.append(row);
    return rows;
}

} // namespace

TEST(CsvRows, RowsKeepTheLineTheyStartOn)
{
    const QList<CsvRow> rows = rowsOf(QStringLiteral("a;b\r\n\"x\r\ny\";\"say \"\"hi\"\"; now\"\r\n\r\n\n1;\n2;3"));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].line, 1);
    EXPECT_EQ(rows[1].line, 2);
    EXPECT_EQ(rows[1].fields, (QStringList{QStringLiteral("x\r\ny"), QStringLiteral("say \"hi\"; now")}));
    EXPECT_EQ(rows[2].line, 6);
    EXPECT_EQ(rows[2].fields, (QStringList{QStringLiteral("1"), QString()}));
    EXPECT_EQ(rows[3].line, 7);
}

TEST(CsvRows, TheSeparatorIsTheOneTheHeaderHoldsMoreOfOutsideQuotes)
{
    EXPECT_EQ(rowsOf(QStringLiteral("\"a;b;c\",d\n1;2,3"))[1].fields,
              (QStringList{QStringLiteral("1;2"), QStringLiteral("3")}));
    EXPECT_EQ(rowsOf(QStringLiteral("a;b,c;d\n1;2,3;4"))[1].fields,
              (QStringList{QStringLiteral("1"), QStringLiteral("2,3"), QStringLiteral("4")}));
}

TEST(CsvRows, BytesAreUtf8ElseWindows1252)
{
    EXPECT_EQ(csvText("\xEF\xBB\xBF" "caf\xC3\xA9 \xE2\x82\xAC"), QStringLiteral("café €"));
    EXPECT_EQ(csvText("caf\xE9 \x80 \x96"), QStringLiteral("café € –"));
}
