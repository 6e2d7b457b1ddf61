#include "reports/QuarterlyWriters.h"

#include "reports/ReportText.h"

namespace pellam::app {

namespace {

const QString kMargin = blanks(8);
// The text file's heading with one blank less before the total column.
const QString kHeading = QStringLiteral(" NAME                                  INCOME         EXPENSE          INCOME         "
                                        "EXPENSE          INCOME         EXPENSE         INCOME         EXPENSE");

class QuarterlyPages {
public:
    QuarterlyPages(const QuarterlyDocument& doc, ReportPrinter& printer) : doc_(doc), p_(printer) {}

    void print()
    {
        const double size = p_.fitFont(kMargin + quarterRule(), 15, 6);
        p_.pageNumberAtEdge();
        // The titles two sizes apart above the body's size.
        p_.setFontSize(size + 4);
        p_.centred(doc_.title);
        if (!doc_.place.isEmpty())
            p_.centred(doc_.place);
        p_.setFontSize(size + 2);
        p_.centred(doc_.quarter + QStringLiteral("    Q U A R T E R L Y     S T A T E M E N T  -  '") +
                   doc_.yearStart.toString(QStringLiteral("yy")) + QStringLiteral(" - '") +
                   doc_.yearEnd.toString(QStringLiteral("yy")));
        p_.setFontSize(size);
        p_.line(kMargin + quarterRule());
        columnHeading();
        p_.line(kMargin + quarterRule());
        p_.setPageHeader([this] {
            p_.pageNumberAtEdge();
            p_.line(kMargin + quarterRule(126));
            columnHeading();
        });

        // A head's lines stay on one page.
        for (const QuarterHead& head : doc_.heads) {
            QStringList lines;
            for (const QString& line : quarterHeadLines(doc_, head))
                lines << kMargin + line;
            p_.bodyBlock(lines);
        }
        // The totals and cash lines take a new page too when this one is
        // full, so that none falls below the page's bottom limit.
        for (const QString& line : quarterClosingLines(doc_))
            p_.body(line.isEmpty() ? line : kMargin + line);
    }

private:
    void columnHeading()
    {
        p_.line(kMargin + quarterCaptionLine(doc_, {46, 23, 25, 26}));
        p_.line(kMargin + kHeading);
    }

    const QuarterlyDocument& doc_;
    ReportPrinter& p_;
};

} // namespace

void printQuarterly(const QuarterlyDocument& doc, ReportPrinter& printer)
{
    QuarterlyPages(doc, printer).print();
}

} // namespace pellam::app
