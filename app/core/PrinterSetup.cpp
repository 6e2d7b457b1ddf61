#include "core/PrinterSetup.h"

#include "dialogs/Dialogs.h"
#include "printing/PagePrinter.h"

#include <cmath>

namespace pellam::app {

namespace {

double roundHalfEven(double v)
{
    return std::nearbyint(v); // the default rounding mode rounds half to even
}

} // namespace

bool SetupPrinter(double& height, double& width, short& copies)
{
    try {
        PagePrinter& printer = PagePrinter::instance();
        PrinterRequest request;
        request.printer = printer.qprinter();
        request.copies = copies;
        if (!dialogs().printer(request))
            return false;
        copies = short(request.copies);
        printer.setCopies(copies);
        printer.setFontName(QStringLiteral("Courier New"));
        printer.setFontSize(12);
        height = printer.Height() - 1440;
        width = printer.Width();
        return true;
    } catch (...) {
        return false;
    }
}

short CenterBlanks(const QString& text, double& lineWidth)
{
    PagePrinter& printer = PagePrinter::instance();
    if (lineWidth == 0)
        lineWidth = printer.Width();
    const double margin = roundHalfEven(roundHalfEven(lineWidth - printer.TextWidth(text)) / 2);
    const double blank = printer.TextWidth(QStringLiteral(" "));
    return blank > 0 ? short(roundHalfEven(margin / blank)) : short(0);
}

} // namespace pellam::app
