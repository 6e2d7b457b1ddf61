#include "PellamUtility.h"
#include "dialogs/ScriptedDialogs.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "excel/ExcelWorkbook.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"
#include "support/WorkbookCells.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

QByteArray head(const QString& path, int bytes)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(bytes) : QByteArray();
}

} // namespace

TEST(CreateExcel, NamesTheWorkbookInASaveDialogAndWritesItOnlyWhenClosed)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    PellamUtility util;
    QString folder = home.path();
    std::unique_ptr<ExcelWorkbook> book;

    scripted->answerFile(home.file(QStringLiteral("April")));
    ASSERT_TRUE(util.CreateExcel(book, folder));
    ASSERT_TRUE(book);
    const QString file = home.file(QStringLiteral("April.xlsx"));
    EXPECT_EQ(book->FullName(), file);
    ASSERT_EQ(scripted->files().size(), 1u);
    EXPECT_EQ(scripted->files()[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(scripted->files()[0].title, QStringLiteral("Enter the New File Name"));
    EXPECT_EQ(scripted->files()[0].folder, folder);
    EXPECT_TRUE(scripted->inputs().empty()) << "no bare name is asked";
    EXPECT_FALSE(QFile::exists(file)) << "nothing on disk before the report is written";

    book->text(QStringLiteral("B3"), QStringLiteral("=HYPERLINK(\"x\")"));
    book->amount(QStringLiteral("F4"), Currency::fromPaise(123450));
    book->formula(QStringLiteral("F5"), QStringLiteral("=sum(f4:f4)"), Currency::fromPaise(123450));
    scripted->answer(MessageAnswer::No);
    util.CloseViewEx(book);
    EXPECT_FALSE(book);
    EXPECT_EQ(head(file, 2), QByteArray("PK")) << "an .xlsx file is a zip";
    EXPECT_FALSE(QFile::exists(file + QStringLiteral(".part")));
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              file + QStringLiteral("\rReport is created Successfully \rDo you want to view it"));
    EXPECT_EQ(scripted->messages()[0].buttons, MessageButtons::YesNo);
}

TEST(CreateExcel, AsksBeforeTheAddedExtensionReplacesAFileAndStopsWhenCancelled)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    PellamUtility util;
    const QString old = home.file(QStringLiteral("May.xlsx"));
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    QString folder = home.path();
    std::unique_ptr<ExcelWorkbook> book;

    // "May" becomes the existing May.xlsx, which the dialog could not know:
    // No asks for a name again. A name with its own extension is taken as
    // chosen (the dialog asked), a relative one in the folder.
    scripted->answerFile(home.file(QStringLiteral("May"))).answer(MessageAnswer::No);
    scripted->answerFile(QStringLiteral("June.xlsx"));
    ASSERT_TRUE(util.CreateExcel(book, folder));
    EXPECT_EQ(book->FullName(), home.file(QStringLiteral("June.xlsx")));
    EXPECT_EQ(scripted->files().size(), 2u);
    EXPECT_EQ(scripted->texts(),
              QStringList{QStringLiteral("File Already Exisit !!\rAre You Sure to Overwrite the file")});
    EXPECT_EQ(head(old, 3), QByteArray("old"));

    scripted->clear();
    scripted->answerFile(old);
    book.reset();
    ASSERT_TRUE(util.CreateExcel(book, folder));
    EXPECT_TRUE(scripted->texts().isEmpty()) << "the dialog asked about the name as chosen";

    scripted->clear();
    scripted->answerFile(std::nullopt);
    book.reset();
    EXPECT_FALSE(util.CreateExcel(book, folder));
    EXPECT_FALSE(book);
    EXPECT_TRUE(scripted->texts().isEmpty()) << "cancelling the dialog is answer enough";

    // Overwriting keeps the old file until the new one is written.
    scripted->clear();
    scripted->answerFile(home.file(QStringLiteral("May"))).answer(MessageAnswer::Yes);
    ASSERT_TRUE(util.CreateExcel(book, folder));
    EXPECT_EQ(head(old, 3), QByteArray("old"));
    scripted->answer(MessageAnswer::No);
    util.CloseViewEx(book);
    EXPECT_EQ(head(old, 2), QByteArray("PK"));
}

TEST(CreateExcel, StartsInTheDocumentsFolderThenWhereTheLastWorkbookWent)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    PellamUtility util;
    const QString documents = home.file(QStringLiteral("Papers"));
    const QString reports = home.file(QStringLiteral("Reports"));
    ASSERT_TRUE(QDir().mkpath(documents));
    ASSERT_TRUE(QDir().mkpath(reports));
    {
        QFile dirs(home.file(QStringLiteral("config/user-dirs.dirs")));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"" + documents.toLocal8Bit() + "\"\n");
    }
    std::unique_ptr<ExcelWorkbook> book;
    const auto startedIn = [&] {
        QString folder;
        scripted->clear();
        scripted->answerFile(std::nullopt);
        EXPECT_FALSE(util.CreateExcel(book, folder));
        EXPECT_EQ(scripted->files().at(0).folder, folder) << "the caller learns the folder";
        return folder;
    };
    EXPECT_EQ(startedIn(), documents);

    QString blank;
    scripted->answerFile(reports + QStringLiteral("/April"));
    ASSERT_TRUE(util.CreateExcel(book, blank));
    book.reset();
    EXPECT_EQ(startedIn(), reports);

    ASSERT_TRUE(QDir(reports).removeRecursively());
    EXPECT_EQ(startedIn(), documents) << "a folder that has gone is not offered";
}

TEST(CloseViewEx, SaysWhereTheWorkbookIsWhenNoProgramCanShowIt)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    PellamUtility util;
    // No desktop helpers on the PATH and no spreadsheet program set.
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", home.path().toLocal8Bit());
    QString folder = home.path();
    std::unique_ptr<ExcelWorkbook> book;
    scripted->answerFile(home.file(QStringLiteral("April"))).answer(MessageAnswer::Yes);
    ASSERT_TRUE(util.CreateExcel(book, folder));
    util.CloseViewEx(book);
    qputenv("PATH", oldPath);
    const QString file = home.file(QStringLiteral("April.xlsx"));
    EXPECT_EQ(scripted->texts(),
              (QStringList{file + QStringLiteral("\rReport is created Successfully \rDo you want to view it"),
                           QStringLiteral("Excel Application Not Found\r\rThe report is saved as ") + file}));
    EXPECT_EQ(head(file, 2), QByteArray("PK"));
}

TEST(CreateExcel, AFileThatCannotBeWrittenIsSaidAndLeavesNothing)
{
    test::TempHome home;
    ScriptedDialogsGuard scripted;
    PellamUtility util;
    QString missing = home.file(QStringLiteral("no/such/folder"));
    std::unique_ptr<ExcelWorkbook> book;
    scripted->answerFile(missing + QStringLiteral("/April"));
    EXPECT_FALSE(util.CreateExcel(book, missing));
    EXPECT_FALSE(book);
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral("The file %1/April.xlsx cannot be written: No such file or directory").arg(missing));

    // The folder goes away while the report is being made.
    const QString folder = home.file(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ExcelWorkbook late(folder + QStringLiteral("/late.xlsx"));
    late.text(QStringLiteral("A1"), QStringLiteral("x"));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    try {
        late.Save();
        ADD_FAILURE() << "saved";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), DeviceIOError);
        EXPECT_EQ(e.Description(),
                  QStringLiteral("The file %1/late.xlsx cannot be written: No such file or directory").arg(folder));
    }
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/late.xlsx")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/late.xlsx.part")));

    scripted->clear();
    std::unique_ptr<ExcelWorkbook> none;
    util.CloseViewEx(none);
    EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral("Invalid Application")});
}

using test::workbookPart;

// The library makes the sheet in a scratch file first and does not check
// those writes: a disk that fills up there leaves its sheet cut short in a
// workbook it calls written. So the workbook is read back before it is
// kept, and a file of that name stays as it was.
TEST(ExcelWorkbook, ASheetCutShortOnAFullDiskIsNoWorkbook)
{
    test::TempHome home;
    const QString file = home.file(QStringLiteral("ledger.xlsx"));
    const auto fill = [](ExcelWorkbook& book) {
        for (int row = 1; row <= 2000; ++row) {
            book.text(QStringLiteral("A%1").arg(row), QStringLiteral("DONATIONS"));
            book.amount(QStringLiteral("B%1").arg(row), Currency::fromRupees(row));
        }
    };
    ExcelWorkbook whole(file);
    fill(whole);
    whole.Save();
    const QByteArray before = head(file, 1 << 20);
    // Room for the whole workbook, not for its sheet before it is packed.
    const qint64 room = before.size();
    ASSERT_GT(workbookPart(file, QStringLiteral("xl/worksheets/sheet1.xml")).size(), 2 * room);

    ExcelWorkbook cut(file);
    fill(cut);
    try {
        const test::FileSizeLimit fullDisk{rlim_t(room)};
        cut.Save();
        ADD_FAILURE() << "saved";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), DeviceIOError);
        EXPECT_EQ(e.Description(), QStringLiteral("The file %1 cannot be written: its part xl/worksheets/sheet1.xml came out "
                                                  "cut short")
                                       .arg(file));
    }
    EXPECT_EQ(head(file, 1 << 20), before);
    EXPECT_EQ(QDir(home.path()).entryList({QStringLiteral("ledger*")}, QDir::Files), QStringList{QStringLiteral("ledger.xlsx")});
}

TEST(ExcelWorkbook, MergedTitlesAndBordersToldBeforeTheirRowsReachTheFile)
{
    test::TempHome home;
    const QString file = home.file(QStringLiteral("summary.xlsx"));
    ExcelWorkbook book(file);
    book.mergedText(QStringLiteral("B3:D3"), QStringLiteral("ST. MARY'S SCHOOL"));
    book.borders(QStringLiteral("B3:D5"));
    book.amount(QStringLiteral("C4"), Currency::fromPaise(150050));
    book.text(QStringLiteral("B4"), QStringLiteral("DONATIONS"));
    book.text(QStringLiteral("B6"), QStringLiteral("Total"));
    book.Save();

    const QString sheet = workbookPart(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<mergeCell ref=\"B3:D3\"/>"))) << sheet.toStdString();
    // Every cell of the framed range is written, the blank ones too (row 5
    // has no cell of its own), and carries a style; the total below it does not.
    for (const char* cell : {"B3", "C3", "D3", "B4", "C4", "D4", "B5", "C5", "D5"})
        EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"%1\"[^>]* s=\"[1-9]").arg(QLatin1String(cell)))))
            << cell;
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<c r=\"B6\" t=\"inlineStr\">"))));
    EXPECT_TRUE(workbookPart(file, QStringLiteral("xl/styles.xml")).contains(QStringLiteral("<left style=\"thin\">")));
    const auto cells = test::workbookCells(file);
    EXPECT_EQ(cells[QStringLiteral("B3")].shown, QStringLiteral("ST. MARY'S SCHOOL"));
    EXPECT_EQ(cells[QStringLiteral("B4")].shown, QStringLiteral("DONATIONS"));
    EXPECT_EQ(cells[QStringLiteral("C4")].shown, QStringLiteral("1500.5"));
}

// Rows are written as they come, so whatever is told for a row already
// written would be lost: the writer that does so is wrong, and is told.
TEST(ExcelWorkbook, AnythingToldForARowAlreadyWrittenIsRefusedAndTheRowsBeforeItStay)
{
    test::TempHome home;
    const struct {
        const char* name;
        std::function<void(ExcelWorkbook&)> late;
        QString message;
    } cases[] = {
        {"cell", [](ExcelWorkbook& b) { b.text(QStringLiteral("A4"), QStringLiteral("late")); }, QStringLiteral("cell A4")},
        {"formula", [](ExcelWorkbook& b) { b.formula(QStringLiteral("c4"), QStringLiteral("=c1"), {}); },
         QStringLiteral("cell c4")},
        {"merge", [](ExcelWorkbook& b) { b.mergedText(QStringLiteral("B4:D4"), QStringLiteral("x")); },
         QStringLiteral("the merged range B4:D4")},
        // Row 5 already has a cell without the border.
        {"borders", [](ExcelWorkbook& b) { b.borders(QStringLiteral("B5:D9")); }, QStringLiteral("the borders of B5:D9")},
        {"headings", [](ExcelWorkbook& b) { b.columnHeadings(5); }, QStringLiteral("the column headings of row 5")},
    };
    for (const auto& c : cases) {
        const QString file = home.file(QStringLiteral("%1.xlsx").arg(QLatin1String(c.name)));
        ExcelWorkbook book(file);
        book.text(QStringLiteral("B4"), QStringLiteral("first"));
        book.text(QStringLiteral("C5"), QStringLiteral("second"));
        book.text(QStringLiteral("A5"), QStringLiteral("same row, any column"));
        try {
            c.late(book);
            ADD_FAILURE() << c.name << ": taken";
        } catch (const PellamError& e) {
            EXPECT_EQ(e.Number(), InvalidCall) << c.name;
            EXPECT_EQ(e.Description(), QStringLiteral("The workbook %1 is written row by row: %2 came after row 5 was written")
                                           .arg(file, c.message));
        }
        book.Save();
        const auto cells = test::workbookCells(file);
        EXPECT_EQ(cells.keys(), (QStringList{QStringLiteral("A5"), QStringLiteral("B4"), QStringLiteral("C5")})) << c.name;
    }
    ExcelWorkbook book(home.file(QStringLiteral("bad.xlsx")));
    for (const QString& bad : {QStringLiteral("5B"), QStringLiteral("B"), QStringLiteral("B0"), QStringLiteral("B5 ")})
        EXPECT_THROW(book.text(bad, QStringLiteral("x")), PellamError) << bad.toStdString();
    EXPECT_THROW(book.mergedText(QStringLiteral("B6:C7"), QStringLiteral("x")), PellamError) << "one row only";
}

TEST(ExcelWorkbook, EveryTextReadsBackAsWrittenWithControlCharactersAsBlanksAndFormulasAsText)
{
    test::TempHome home;
    const QString file = home.file(QStringLiteral("texts.xlsx"));
    const struct {
        QString written;
        QString shown;
        bool textFormat; // the text format that keeps it from being a formula
    } cases[] = {
        {QStringLiteral("DONATIONS"), QStringLiteral("DONATIONS"), false},
        // The workbook's own escapes are text like any other.
        {QStringLiteral("_x0041_"), QStringLiteral("_x0041_"), false},
        {QStringLiteral("_x005F_x0041_"), QStringLiteral("_x005F_x0041_"), false},
        {QStringLiteral("A_x0041_x00e9_B"), QStringLiteral("A_x0041_x00e9_B"), false},
        {QStringLiteral("_x041_ _X0041_ x0041_"), QStringLiteral("_x041_ _X0041_ x0041_"), false},
        // A NUL no longer ends the text; no control character reaches a cell.
        {QStringLiteral("FEES") + QChar(0) + QStringLiteral("PAID"), QStringLiteral("FEES PAID"), false},
        {QStringLiteral("A\tB\nC\rD\x1b" "E\x07" "F\x7f" "G"), QStringLiteral("A B C D E F G"), false},
        {QStringLiteral("ST. MARY'S <SCHOOL> & \"CO\""), QStringLiteral("ST. MARY'S <SCHOOL> & \"CO\""), false},
        {QStringLiteral("=HYPERLINK(\"http://x.example\",\"click\")"),
         QStringLiteral("=HYPERLINK(\"http://x.example\",\"click\")"), true},
        {QStringLiteral("+cmd|' /C calc'!A0"), QStringLiteral("+cmd|' /C calc'!A0"), true},
        {QStringLiteral("@SUM(A1:A2)"), QStringLiteral("@SUM(A1:A2)"), true},
        {QStringLiteral("-1+2"), QStringLiteral("-1+2"), true},
        {QStringLiteral("=A1\n_x0041_"), QStringLiteral("=A1 _x0041_"), true},
    };
    {
        ExcelWorkbook book(file);
        book.borders(QStringLiteral("B%1:D%1").arg(std::size(cases)));
        int row = 1;
        for (const auto& c : cases) {
            // The same text in a cell of its own and merged across three.
            book.text(QStringLiteral("A%1").arg(row), c.written);
            book.mergedText(QStringLiteral("B%1:D%1").arg(row), c.written);
            ++row;
        }
        book.Save();
    }
    const QMap<QString, test::WorkbookCell> cells = test::workbookCells(file);
    int row = 1;
    for (const auto& c : cases) {
        for (const QString& cell : {QStringLiteral("A%1").arg(row), QStringLiteral("B%1").arg(row)}) {
            ASSERT_TRUE(cells.contains(cell)) << cell.toStdString();
            EXPECT_EQ(cells[cell].shown, c.shown) << cell.toStdString();
            EXPECT_EQ(cells[cell].format, c.textFormat ? QStringLiteral("@") : QString()) << cell.toStdString();
        }
        ++row;
    }
}
