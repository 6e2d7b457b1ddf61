#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>

namespace pellam {
class PagePrinter;
}

namespace pellam::app {

// One line as it went to the printer, told to a watcher so that a run can
// be checked without reading its pages back.
struct PrintedLine {
    int page = 0;         // the number printed on that page (offset included)
    double x = 0;         // twips from the left of the printable area
    double right = 0;     // where its last character ends, twips from the same edge
    double fontSize = 0;
    QString text;
};

// The print route of every report: the printer set up by the user, the page
// limits, the font that fits the report's rule, the page-break test and the
// page number line with the form's page offset. Every line stays within
// the printable width of the paper, and every control character of a line
// prints as a blank.
class ReportPrinter {
public:
    // The page box's text: its whole number, 0 when empty or not a number.
    static int pageOffset(const QString& pageBox);

    // `paper`: the side the report proposes to print along; the user may
    // still turn the page in the printer dialog.
    explicit ReportPrinter(int pageOffset, QPageLayout::Orientation paper = QPageLayout::Portrait);
    // The printer dialog; false when the user cancelled (nothing printed).
    bool open();
    // The printer as it is set (a PDF file, say), in the report font, with
    // no dialog: for runs without a window.
    void openAsSet();

    // The largest size from `largest` down to `smallest` at which `rule` is
    // narrower than the right limit and the printable width. When none is,
    // the size that makes it just fit: a line cut off at the paper's edge
    // is lost, a small one can still be read.
    double fitFont(const QString& rule, int largest, int smallest);
    void setFontSize(double points);

    // True when the next line would reach the page bottom limit.
    bool pageFull() const;
    void newPage();
    // "Page :" and the number, ending short of the right limit by the width
    // of `measure` followed by the number.
    void pageNumber(const QString& measure);
    // The statements' page number line: "Page :" and the printer's own page
    // number, ending 200 twips short of the printable width.
    void pageNumberAtEdge();
    void line(const QString& text = {});

    // What a page begins with after a break: its page number and the
    // column heading, as the report prints them.
    void setPageHeader(std::function<void()> header) { header_ = std::move(header); }
    // A body line, on a new page with the page header when this one is full.
    void body(const QString& text);
    // Lines kept together: a new page first when this one is full, then
    // all of them, whatever room is left.
    void bodyBlock(const QStringList& lines);
    // A title centred on the printed line, after `lead` blanks; fewer
    // blanks, and a smaller size, when that would take it past the
    // printable width.
    void centred(const QString& text, int lead = 0);
    // Prints a whole report on the open printer and ends the job; when
    // `print` fails or is stopped, the job is abandoned instead.
    void printWhole(const std::function<void(ReportPrinter&)>& print);
    // Throws files::cannotWrite when a PDF file cannot be written in full.
    void end();
    // Gives up the job after a failure; a PDF begun for it is removed.
    void abandon();

    int pageNumberNow() const;
    double rightLimit() const { return right_; }
    // The width of the paper's printable area, twips.
    double printableWidth() const { return printable_; }
    // What a line must be narrower than: the right limit, or the printable
    // width where the paper's margins are wider than the limit allows for.
    double lineLimit() const;
    // Told of every line as it is printed; for checking a run.
    void watchLines(std::function<void(const PrintedLine&)> watcher) { watcher_ = std::move(watcher); }

private:
    void usePaper();
    void restorePaper();
    void breakWhenFull();

    PagePrinter& printer_;
    int offset_;
    QPageLayout::Orientation paper_;
    QPageLayout::Orientation before_ = QPageLayout::Portrait;
    double bottom_ = 0;
    double right_ = 0;
    double printable_ = 0;
    std::function<void()> header_;
    std::function<void(const PrintedLine&)> watcher_;
};

} // namespace pellam::app
