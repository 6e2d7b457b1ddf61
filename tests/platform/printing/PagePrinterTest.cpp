#include "errors/PellamError.h"
#include "printing/PagePrinter.h"
#include "text/FixedFont.h"

#include "support/QtPrinters.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using pellam::PagePrinter;

namespace {

// Pages in a PDF file: one "/Type /Page" object each ("/Type /Pages" is the tree).
int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

} // namespace

TEST(PagePrinter, MeasuresA4InTwipsWithoutAnyPrinter)
{
    QTemporaryDir dir;
    PagePrinter printer;
    printer.usePdfFile(dir.filePath(QStringLiteral("a.pdf")));
    // A4 is 210 x 297 mm: 11906 x 16838 twips.
    EXPECT_NEAR(printer.Width(), 11906, 2);
    EXPECT_NEAR(printer.Height(), 16838, 2);
    EXPECT_NEAR(printer.ScaleWidth(), 11906 - 720, 2);
    EXPECT_NEAR(printer.ScaleHeight(), 16838 - 720, 2);
    EXPECT_EQ(printer.Page(), 1);
}

TEST(PagePrinter, TextWidthGrowsWithTextAndFontSize)
{
    PagePrinter printer;
    printer.setFontName(QStringLiteral("Courier New"));
    printer.setFontSize(10);
    const double one = printer.TextWidth(QStringLiteral("M"));
    EXPECT_GT(one, 0);
    // A fixed-pitch font: ten characters are ten times one; 10 pt Courier is 120 twips wide.
    EXPECT_NEAR(printer.TextWidth(QStringLiteral("Merion1234")), 10 * one, 1);
    EXPECT_NEAR(one, 120, 6);
    EXPECT_NEAR(printer.TextWidth(QStringLiteral("ab\nabcd")), 4 * one, 1) << "the widest line";
    EXPECT_EQ(printer.TextWidth(QString()), 0);

    const double height = printer.TextHeight(QStringLiteral("Merion"));
    EXPECT_GT(height, 200);
    EXPECT_NEAR(printer.TextHeight(QStringLiteral("a\nb\nc")), 3 * height, 0.01);

    printer.setFontSize(20);
    EXPECT_NEAR(printer.TextWidth(QStringLiteral("M")), 2 * one, 2);
    EXPECT_GT(printer.TextHeight(QStringLiteral("Merion")), 1.8 * height);
    EXPECT_THROW(printer.setFontSize(0), pellam::PellamError);
}

TEST(PagePrinter, MapsTheProgramsFontNames)
{
    PagePrinter printer;
    printer.setFontName(QStringLiteral("Courier New"));
    EXPECT_EQ(printer.FontName(), QStringLiteral("Courier New"));
    EXPECT_EQ(QFontInfo(printer.font()).family(), QStringLiteral("Liberation Mono"));
    printer.setFontName(QStringLiteral("Fixedsys"));
    EXPECT_EQ(printer.font().family(), pellam::fixedPitchFont().family());
    // Columns of a text table line up: narrow and wide letters take the same room.
    EXPECT_NEAR(printer.TextWidth(QStringLiteral("iiiiiiiiii")), printer.TextWidth(QStringLiteral("MMMMMMMMMM")), 1);
    EXPECT_GT(printer.TextWidth(QStringLiteral("MMMMMMMMMM")), 0);
}

TEST(PagePrinter, PrintAdvancesLinesAndBreaksPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    PagePrinter printer;
    printer.usePdfFile(path);
    printer.setFontSize(12);

    printer.setCurrentX(500);
    printer.Print(QStringLiteral("Page : 1"));
    const double line = printer.TextHeight(QStringLiteral("Merion"));
    EXPECT_NEAR(printer.CurrentY(), line, 0.01);
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_TRUE(printer.jobActive());

    printer.NewPage();
    EXPECT_EQ(printer.Page(), 2);
    EXPECT_EQ(printer.CurrentY(), 0);

    // Lines that run past the bottom continue on a new page by themselves.
    const int fit = int(printer.ScaleHeight() / line);
    for (int i = 0; i <= fit; ++i)
        printer.Print(QStringLiteral("line %1").arg(i));
    EXPECT_EQ(printer.Page(), 3);
    EXPECT_NEAR(printer.CurrentY(), line, 0.01);

    printer.EndDoc();
    EXPECT_FALSE(printer.jobActive());
    EXPECT_EQ(printer.Page(), 1);
    EXPECT_EQ(pdfPages(path), 3);

    // The next job starts afresh.
    printer.Print(QStringLiteral("again"));
    printer.EndDoc();
    EXPECT_EQ(pdfPages(path), 1);
}

TEST(PagePrinter, KillDocAbandonsTheFileAndEndDocWithoutPagesWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("killed.pdf"));
    PagePrinter printer;
    printer.usePdfFile(path);
    printer.EndDoc();
    EXPECT_FALSE(QFile::exists(path));

    printer.Print(QStringLiteral("half a report"));
    printer.KillDoc();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(printer.Page(), 1);
    EXPECT_EQ(printer.CurrentY(), 0);
}

TEST(PagePrinter, KeepsCopiesAcrossTargetsAndFailsAJobWithNowhereToGo)
{
    PagePrinter printer;
    printer.usePdfFile({});
    printer.setCopies(3);
    EXPECT_EQ(printer.Copies(), 3);
    QTemporaryDir dir;
    printer.usePdfFile(dir.filePath(QStringLiteral("c.pdf")));
    EXPECT_EQ(printer.Copies(), 3);

    printer.usePdfFile({});
    try {
        printer.Print(QStringLiteral("x"));
        FAIL() << "printing without a target must fail";
    } catch (const pellam::PellamError& e) {
        EXPECT_EQ(e.Number(), 482);
        EXPECT_EQ(e.Description(), QStringLiteral("Printer error"));
    }
    EXPECT_FALSE(printer.jobActive());
}

TEST(PagePrinter, OneInstanceForTheProgram)
{
    EXPECT_EQ(&PagePrinter::instance(), &PagePrinter::instance());
    EXPECT_NE(PagePrinter::instance().qprinter(), nullptr);
    EXPECT_GT(PagePrinter::instance().ScaleWidth(), 0);
}
