#include "reports/ReportPrinter.h"

#include "core/PrinterSetup.h"
#include "format/PrintableText.h"
#include "printing/PagePrinter.h"
#include "reports/ReportText.h"

#include <algorithm>
#include <cmath>

namespace pellam::app {

namespace {

// The text whose height is the line height of every page-break test.
const QString kLineSample = QStringLiteral("Merion");

// What of a line shows on paper: trailing blanks print nothing.
QString inked(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

} // namespace

int ReportPrinter::pageOffset(const QString& pageBox)
{
    bool ok = false;
    const int value = pageBox.trimmed().toInt(&ok);
    return ok ? value : 0;
}

ReportPrinter::ReportPrinter(int pageOffset, QPageLayout::Orientation paper)
    : printer_(PagePrinter::instance()), offset_(pageOffset), paper_(paper)
{
}

// The report's side of the paper for this run only: the printer is shared
// with every other print, which keeps the side it had.
void ReportPrinter::usePaper()
{
    before_ = printer_.Orientation();
    printer_.setOrientation(paper_);
}

void ReportPrinter::restorePaper()
{
    printer_.setOrientation(before_);
}

bool ReportPrinter::open()
{
    usePaper();
    double height = 0, width = 0;
    short copies = 1;
    if (!SetupPrinter(height, width, copies)) {
        restorePaper();
        return false;
    }
    bottom_ = printer_.Height() - 1440;
    right_ = width - 275;
    printable_ = printer_.ScaleWidth();
    return true;
}

void ReportPrinter::openAsSet()
{
    usePaper();
    printer_.setFontName(QStringLiteral("Courier New"));
    printer_.setFontSize(12);
    bottom_ = printer_.Height() - 1440;
    right_ = printer_.Width() - 275;
    printable_ = printer_.ScaleWidth();
}

double ReportPrinter::fitFont(const QString& rule, int largest, int smallest)
{
    for (int size = largest; size >= smallest; --size) {
        printer_.setFontSize(size);
        if (printer_.TextWidth(rule) < lineLimit())
            return size;
    }
    // A fixed-pitch line grows with the size: scale it to the limit, then
    // step down by tenths of a point until it is narrower.
    const double width = printer_.TextWidth(rule);
    if (width <= 0)
        return printer_.FontSize();
    double size = std::floor(printer_.FontSize() * lineLimit() / width * 10) / 10;
    for (; size > 0.1; size -= 0.1) {
        printer_.setFontSize(size);
        if (printer_.TextWidth(rule) < lineLimit())
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

double ReportPrinter::lineLimit() const
{
    return std::min(right_, printableWidth());
}

void ReportPrinter::line(const QString& given)
{
    // Every line reaches the paper here: whatever a writer was given, its
    // control characters print as blanks, never as codes or breaks.
    const QString text = printable(given);
    if (watcher_) {
        const double x = printer_.CurrentX();
        watcher_({pageNumberNow(), x, x + printer_.TextWidth(inked(text)), printer_.FontSize(), text});
    }
    printer_.Print(text);
}

void ReportPrinter::breakWhenFull()
{
    if (!pageFull())
        return;
    newPage();
    if (header_)
        header_();
}

void ReportPrinter::body(const QString& text)
{
    breakWhenFull();
    line(text);
}

void ReportPrinter::bodyBlock(const QStringList& lines)
{
    breakWhenFull();
    for (const QString& text : lines)
        line(text);
}

void ReportPrinter::centred(const QString& title, int lead)
{
    // Measured as it will print.
    const QString text = printable(title);
    const double size = printer_.FontSize();
    while (printer_.TextWidth(text) >= lineLimit() && printer_.FontSize() > 1)
        printer_.setFontSize(printer_.FontSize() - 0.5);
    double width = right_;
    int count = lead + CenterBlanks(text, width);
    while (count > 0 && printer_.TextWidth(blanks(count) + text) >= lineLimit())
        --count;
    line(blanks(count) + text);
    printer_.setFontSize(size);
}

void ReportPrinter::printWhole(const std::function<void(ReportPrinter&)>& print)
{
    try {
        print(*this);
        end();
    } catch (...) {
        abandon();
        throw;
    }
}

void ReportPrinter::end()
{
    try {
        printer_.EndDoc();
    } catch (...) {
        restorePaper();
        throw;
    }
    restorePaper();
}

void ReportPrinter::abandon()
{
    printer_.KillDoc();
    restorePaper();
}

} // namespace pellam::app
