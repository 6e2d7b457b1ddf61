// A report longer than a sheet goes on to the next sheets, with its column
// headings repeated and its formulas pointed at the right cells.
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "excel/ExcelWorkbook.h"
#include "excel/SheetRows.h"
#include "support/TempHome.h"
#include "support/WorkbookCells.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

const QStringList kNames{QStringLiteral("Sheet1"), QStringLiteral("Sheet1 (2)"), QStringLiteral("Sheet1 (3)")};

} // namespace

TEST(SheetRows, FormulasPointAtTheSheetsTheirRowsWentTo)
{
    // Ten rows a sheet; the sheets after the first repeat two heading rows,
    // so the second holds report rows 11 to 18 and the third from 19.
    excel::SheetRows rows(10);
    for (int row = 0; row < 25; ++row)
        rows.place(row, 2);
    ASSERT_EQ(rows.sheets(), 3);
    const struct {
        int on;
        QString formula;
        QString onSheet;
    } cases[] = {
        {0, QStringLiteral("=sum(e5:e9)"), QStringLiteral("=sum(e5:e9)")},
        {0, QStringLiteral("=C3+E3+G3"), QStringLiteral("=C3+E3+G3")},
        {1, QStringLiteral("=e12-f12"), QStringLiteral("=e4-f4")},
        {2, QStringLiteral("=e12-f12"), QStringLiteral("='Sheet1 (2)'!e4-'Sheet1 (2)'!f4")},
        // A range over several sheets: its part on each, summed.
        {1, QStringLiteral("=sum(e5:e15)"), QStringLiteral("=sum('Sheet1'!e5:e10,e3:e7)")},
        {2, QStringLiteral("=SUM(c2:d25)"),
         QStringLiteral("=SUM('Sheet1'!c2:d10,'Sheet1 (2)'!c3:d10,c3:d9)")},
        {2, QStringLiteral("=e5:e15*2"), QStringLiteral("=SUM('Sheet1'!e5:e10,'Sheet1 (2)'!e3:e7)*2")},
        // Names and texts are no references.
        {1, QStringLiteral("=LOG10(e15)&\"e15\""), QStringLiteral("=LOG10(e7)&\"e15\"")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(excel::formulaOnSheet(c.formula, c.on, rows, [](int sheet) { return kNames.value(sheet); }), c.onSheet)
            << c.formula.toStdString();
}

namespace {

// The value of a formula as a spreadsheet computes it from the cells read
// back: "sum(range, ...)" or "a-b", each part on the sheet it names.
double computed(const QString& formula, int on, const QList<QMap<QString, test::WorkbookCell>>& sheets)
{
    static const QRegularExpression part(QStringLiteral("(?:'([^']+)'!)?([a-z]+)(\\d+)(?::([a-z]+)(\\d+))?"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto sumOf = [&](const QRegularExpressionMatch& m) {
        const int sheet = m.captured(1).isEmpty() ? on : int(kNames.indexOf(m.captured(1)));
        const QString column = m.captured(2).toUpper();
        const int last = m.captured(5).isEmpty() ? m.captured(3).toInt() : m.captured(5).toInt();
        double sum = 0;
        for (int row = m.captured(3).toInt(); row <= last; ++row)
            sum += sheets.value(sheet).value(column + QString::number(row)).shown.toDouble();
        return sum;
    };
    if (formula.startsWith(QLatin1String("sum("), Qt::CaseInsensitive)) {
        double sum = 0;
        for (auto it = part.globalMatch(formula.mid(4)); it.hasNext();)
            sum += sumOf(it.next());
        return sum;
    }
    const QStringList sides = formula.split(QLatin1Char('-'));
    return sumOf(part.match(sides.value(0))) - sumOf(part.match(sides.value(1)));
}

} // namespace

// A report of 61 rows on sheets of 20: a title, two rows of headings (a
// month merged over its two columns, then the columns' names), 42 rows of
// figures, their totals and balance; then a second block with a heading
// row of its own, 11 rows and a total.
TEST(ExcelWorkbook, AReportLongerThanASheetGoesOnToTheNextWithItsHeadingsAndRightFormulas)
{
    test::TempHome home;
    const QString file = home.file(QStringLiteral("ledger.xlsx"));
    double income = 0, expense = 0, second = 0;
    {
        ExcelWorkbook book(file, 20);
        book.text(QStringLiteral("B1"), QStringLiteral("ST. MARY'S SCHOOL"));
        book.columnHeadings(2);
        book.columnHeadings(3);
        book.mergedText(QStringLiteral("C2:D2"), QStringLiteral("APRIL"));
        book.text(QStringLiteral("B3"), QStringLiteral("NAME"));
        book.text(QStringLiteral("C3"), QStringLiteral("INCOME"));
        book.text(QStringLiteral("D3"), QStringLiteral("EXPENSE"));
        for (int row = 4; row <= 45; ++row) {
            book.amount(QStringLiteral("D%1").arg(row), Currency::fromRupees(row));
            book.amount(QStringLiteral("C%1").arg(row), Currency::fromRupees(2 * row));
            book.text(QStringLiteral("B%1").arg(row), QStringLiteral("Donor %1").arg(row));
            income += 2 * row;
            expense += row;
        }
        book.formula(QStringLiteral("C46"), QStringLiteral("=sum(c4:c45)"), Currency::fromRupees(qint64(income)));
        book.formula(QStringLiteral("D46"), QStringLiteral("=sum(d4:d45)"), Currency::fromRupees(qint64(expense)));
        book.formula(QStringLiteral("C47"), QStringLiteral("=c46-d46"), Currency::fromRupees(qint64(income - expense)));

        book.columnHeadings(49);
        book.text(QStringLiteral("B49"), QStringLiteral("HEAD 2"));
        for (int row = 50; row <= 60; ++row) {
            book.text(QStringLiteral("B%1").arg(row), QStringLiteral("Donor %1").arg(row));
            book.amount(QStringLiteral("C%1").arg(row), Currency::fromRupees(row));
            second += row;
        }
        book.formula(QStringLiteral("C61"), QStringLiteral("=sum(c50:c60)"), Currency::fromRupees(qint64(second)));
        book.Save();
    }

    // Sheet 2 holds report rows 21-38 below the two heading rows, sheet 3
    // rows 39-56 (the second block's heading on its row 13), sheet 4 the
    // rest below the second block's heading.
    const QStringList names = test::workbookSheets(file);
    ASSERT_EQ(names, (QStringList{QStringLiteral("Sheet1"), QStringLiteral("Sheet1 (2)"), QStringLiteral("Sheet1 (3)"),
                                  QStringLiteral("Sheet1 (4)")}));
    QList<QMap<QString, test::WorkbookCell>> sheets;
    for (int s = 1; s <= names.size(); ++s)
        sheets << test::workbookCells(file, s);
    for (int s : {1, 2}) {
        EXPECT_EQ(sheets[s][QStringLiteral("C1")].shown, QStringLiteral("APRIL")) << s;
        EXPECT_EQ(sheets[s][QStringLiteral("B2")].shown, QStringLiteral("NAME")) << s;
        EXPECT_EQ(sheets[s][QStringLiteral("D2")].shown, QStringLiteral("EXPENSE")) << s;
        EXPECT_TRUE(test::workbookPart(file, QStringLiteral("xl/worksheets/sheet%1.xml").arg(s + 1))
                        .contains(QStringLiteral("<mergeCell ref=\"C1:D1\"/>")));
    }
    // Every sheet has its columns as wide as their longest text anywhere.
    for (int s = 1; s <= names.size(); ++s)
        EXPECT_TRUE(test::workbookPart(file, QStringLiteral("xl/worksheets/sheet%1.xml").arg(s))
                        .contains(QRegularExpression(QStringLiteral("<col min=\"2\" max=\"2\" width=\"19\\."))))
            << s;
    EXPECT_EQ(sheets[2][QStringLiteral("B13")].shown, QStringLiteral("HEAD 2"));
    EXPECT_EQ(sheets[3][QStringLiteral("B1")].shown, QStringLiteral("HEAD 2"));
    EXPECT_FALSE(sheets[3].contains(QStringLiteral("C1")));

    // Every row of figures once, in order, none past a sheet's end.
    QStringList written, expected;
    for (const auto& cells : sheets)
        for (int row = 1; row <= 20; ++row)
            if (const QString name = cells.value(QStringLiteral("B%1").arg(row)).shown; name.startsWith(QLatin1String("Donor ")))
                written << name;
    for (const auto& cells : sheets)
        for (const QString& at : cells.keys())
            EXPECT_LE(at.mid(1).toInt(), 20) << at.toStdString();
    for (int row = 4; row <= 60; ++row)
        if (row <= 45 || row >= 50)
            expected << QStringLiteral("Donor %1").arg(row);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(sheets[0][QStringLiteral("D20")].shown, QStringLiteral("20"));
    EXPECT_EQ(sheets[1][QStringLiteral("D3")].shown, QStringLiteral("21"));

    // Report rows 46, 47 and 61 are rows 10, 11 and 6 of sheets 3 and 4.
    const struct {
        int sheet;
        const char* cell;
        double value;
    } totals[] = {{2, "C10", income}, {2, "D10", expense}, {2, "C11", income - expense}, {3, "C6", second}};
    for (const auto& t : totals) {
        const test::WorkbookCell& c = sheets[t.sheet][QLatin1String(t.cell)];
        EXPECT_DOUBLE_EQ(c.shown.toDouble(), t.value) << t.cell;
        EXPECT_DOUBLE_EQ(computed(c.formula, t.sheet, sheets), t.value) << t.cell << " " << c.formula.toStdString();
    }
    EXPECT_EQ(sheets[2][QStringLiteral("C10")].formula, QStringLiteral("sum('Sheet1'!c4:c20,'Sheet1 (2)'!c3:c20,c3:c9)"));
    EXPECT_EQ(sheets[3][QStringLiteral("C6")].formula, QStringLiteral("sum('Sheet1 (3)'!c14:c20,c2:c5)"));
}

TEST(ExcelWorkbook, AnAbandonedWorkbookLeavesNothingBehind)
{
    test::TempHome home;
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    const QString scratch = home.file(QStringLiteral("scratch"));
    ASSERT_TRUE(QDir().mkpath(scratch));
    qputenv("TMPDIR", scratch.toLocal8Bit());
    {
        ExcelWorkbook book(home.file(QStringLiteral("April.xlsx")), 5);
        for (int row = 1; row <= 40; ++row)
            book.text(QStringLiteral("B%1").arg(row), QStringLiteral("DONATIONS"));
    }
    if (hadTemp)
        qputenv("TMPDIR", oldTemp);
    else
        qunsetenv("TMPDIR");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{});
    EXPECT_EQ(QDir(scratch).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{});
}

// A text longer than a cell holds is refused as it is written, naming the
// cell; the rest of the workbook is written whole.
TEST(ExcelWorkbook, ATextLongerThanACellHoldsIsRefusedNamingTheCell)
{
    test::TempHome home;
    const QString file = home.file(QStringLiteral("long.xlsx"));
    ExcelWorkbook book(file);
    book.text(QStringLiteral("B1"), QStringLiteral("DONATIONS"));
    try {
        book.text(QStringLiteral("C2"), QString(40000, QLatin1Char('x')));
        ADD_FAILURE() << "taken";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), InvalidCall);
        EXPECT_EQ(e.Description(), QStringLiteral("The workbook %1 cannot hold cell C2 of Sheet1: String exceeds Excel's "
                                                  "limit of 32,767 characters.")
                                       .arg(file));
    }
    book.text(QStringLiteral("B3"), QStringLiteral("SALARIES"));
    book.Save();
    const auto cells = test::workbookCells(file);
    EXPECT_EQ(cells.keys(), (QStringList{QStringLiteral("B1"), QStringLiteral("B3")}));
}
