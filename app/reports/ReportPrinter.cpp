#include "reports/ReportPrinter.h"

#include "core/PrinterSetup.h"
#include "printing/PagePrinter.h"
#include "reports/ReportText.h"

namespace pellam::app {

namespace {

// The text whose height is the line height of every page-break test.
const QString kLineSample = QStringLiteral("Merion");

} // namespace

int ReportPrinter::pageOffset(const QString& pageBox)
{
    bool ok = false;
    const int value = pageBox.trimmed().toInt(&ok);
    return ok ? value : 0;
}

ReportPrinter::ReportPrinter(int pageOffset) : printer_(PagePrinter::instance()), offset_(pageOffset) {}

bool ReportPrinter::open()
{
    double height = 0, width = 0;
    short copies = 1;
    if (!SetupPrinter(height, width, copies))
        return false;
    bottom_ = printer_.Height() - 1440;
    right_ = width - 275;
    return true;
}

void ReportPrinter::openAsSet()
{
    printer_.setFontName(QStringLiteral("Courier New"));
    printer_.setFontSize(12);
    bottom_ = printer_.Height() - 1440;
    right_ = printer_.Width() - 275;
}

double ReportPrinter::fitFont(const QString& rule, int largest, int smallest)
{
    for (int size = largest; size >= smallest; --size) {
        printer_.setFontSize(size);
        if (printer_.TextWidth(rule) < right_)
            break;
    }
    return printer_.FontSize();
}

void ReportPrinter::setFontSize(double points)
{
    printer_.setFontSize(points);
}

bool ReportPrinter::pageFull() const
{
    return printer_.CurrentY() >= bottom_ - printer_.TextHeight(kLineSample);
}

void ReportPrinter::newPage()
{
    printer_.NewPage();
}

int ReportPrinter::pageNumberNow() const
{
    return printer_.Page() + offset_;
}

void ReportPrinter::pageNumber(const QString& measure)
{
    const QString number = QString::number(pageNumberNow());
    printer_.setCurrentX(right_ - printer_.TextWidth(measure + number));
    line(QStringLiteral("Page :") + number);
}

void ReportPrinter::pageNumberAtEdge()
{
    const QString text = QStringLiteral("Page :") + QString::number(printer_.Page());
    printer_.setCurrentX(printer_.ScaleWidth() - (printer_.TextWidth(text) + 200));
    line(text);
}

void ReportPrinter::line(const QString& text)
{
    printed_.push_back({pageNumberNow(), printer_.CurrentX(), printer_.FontSize(), text});
    printer_.Print(text);
}

void ReportPrinter::centred(const QString& text, int lead)
{
    double width = right_;
    line(blanks(lead + CenterBlanks(text, width)) + text);
}

void ReportPrinter::end()
{
    printer_.EndDoc();
}

void ReportPrinter::abandon()
{
    printer_.KillDoc();
}

} // namespace pellam::app
