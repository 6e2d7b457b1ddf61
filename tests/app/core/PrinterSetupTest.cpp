#include "core/PrinterSetup.h"
#include "dialogs/ScriptedDialogs.h"
#include "printing/PagePrinter.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

TEST(SetupPrinter, SetsTheReportFontAndUsableSizeOrStopsOnCancel)
{
    ScriptedDialogsGuard scripted;
    PagePrinter& printer = PagePrinter::instance();
    printer.setFontName(QStringLiteral("Arial"));
    double height = -1, width = -1;
    short copies = 2;

    scripted->answerPrinter(false);
    EXPECT_FALSE(SetupPrinter(height, width, copies));
    EXPECT_EQ(height, -1);
    EXPECT_EQ(copies, 2);
    EXPECT_EQ(printer.FontName(), QStringLiteral("Arial")) << "a cancelled dialog changes nothing";

    scripted->answerPrinter(true, 3);
    ASSERT_TRUE(SetupPrinter(height, width, copies));
    EXPECT_EQ(copies, 3);
    EXPECT_EQ(printer.Copies(), 3);
    EXPECT_EQ(printer.FontName(), QStringLiteral("Courier New"));
    EXPECT_EQ(printer.FontSize(), 12);
    EXPECT_DOUBLE_EQ(height, printer.Height() - 1440);
    EXPECT_DOUBLE_EQ(width, printer.Width());
    EXPECT_EQ(scripted->printerDialogs(), 2);
}

TEST(CenterBlanks, CentresTextOnThePrintedLine)
{
    PagePrinter& printer = PagePrinter::instance();
    printer.setFontName(QStringLiteral("Courier New"));
    printer.setFontSize(12);
    const double blank = printer.TextWidth(QStringLiteral(" "));
    const QString title = QStringLiteral("LEDGER");

    double line = 80 * blank;
    EXPECT_EQ(CenterBlanks(title, line), 37) << "(80 - 6) / 2 blanks of a fixed-pitch font";
    double exact = printer.TextWidth(title);
    EXPECT_EQ(CenterBlanks(title, exact), 0) << "a text as wide as the line";
    double whole = 0;
    const short onPaper = CenterBlanks(title, whole);
    EXPECT_DOUBLE_EQ(whole, printer.Width()) << "0 means the printer's width, in the caller's variable too";
    EXPECT_NEAR(onPaper, (printer.Width() - printer.TextWidth(title)) / 2 / blank, 1);
}
