#pragma once

#include <QString>
#include <vector>

namespace pellam {
class PagePrinter;
}

namespace pellam::app {

// One line as it went to the printer, kept so that a run can be checked
// without reading its pages back.
struct PrintedLine {
    int page = 0;         // the number printed on that page (offset included)
    double x = 0;         // twips from the left of the printable area
    double fontSize = 0;
    QString text;
};

// The print route of every report: the printer set up by the user, the page
// limits, the font that fits the report's rule, the page-break test and the
// page number line with the form's page offset.
class ReportPrinter {
public:
    // The page box's text: its whole number, 0 when empty or not a number.
    static int pageOffset(const QString& pageBox);

    explicit ReportPrinter(int pageOffset);
    // The printer dialog; false when the user cancelled (nothing printed).
    bool open();
    // The printer as it is set (a PDF file, say), in the report font, with
    // no dialog: for runs without a window.
    void openAsSet();

    // The largest size from `largest` down to `smallest` at which `rule` is
    // narrower than the right limit (the last tried when none is).
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
    // A title centred on the printed line, after `lead` blanks.
    void centred(const QString& text, int lead = 0);
    void end();
    // Gives up the job after a failure; a PDF begun for it is removed.
    void abandon();

    int pageNumberNow() const;
    double rightLimit() const { return right_; }
    const std::vector<PrintedLine>& printed() const { return printed_; }

private:
    PagePrinter& printer_;
    int offset_;
    double bottom_ = 0;
    double right_ = 0;
    std::vector<PrintedLine> printed_;
};

} // namespace pellam::app
