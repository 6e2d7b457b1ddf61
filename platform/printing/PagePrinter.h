#pragma once

#include "PlatformExport.h"

#include <QFont>
#include <QPageLayout>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;
class QSaveFile;

namespace pellam {

// The program's one page printer, measured in twips (1440 per inch) like the
// desktop printer object the windows were written against: a current
// position, text measures in the current font, pages and a job that ends or
// is abandoned. Positions count from the top-left corner of the printable
// area. Pages go to a real printer or to a PDF file; with no printer at all
// the measures come from an A4 PDF page, so layouts can be computed anywhere.
class PELLAM_PLATFORM_EXPORT PagePrinter {
public:
    static PagePrinter& instance();

    PagePrinter();
    ~PagePrinter();
    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    // A real printer (empty: the default one). An unfinished job is ended first.
    void usePrinter(const QString& name = {});
    // Pages go to a PDF file of A4 paper. An unfinished job is ended first.
    void usePdfFile(const QString& path);
    // For the printer dialog.
    QPrinter* qprinter();
    // True when the pages go to a PDF file rather than a printer.
    bool printsToFile() const;

    int Copies() const;
    void setCopies(int copies);

    // Which side of the paper is its width; the measures below follow it.
    QPageLayout::Orientation Orientation() const;
    void setOrientation(QPageLayout::Orientation orientation);

    // "Courier New" prints in Liberation Mono (same metrics); "Fixedsys" in
    // the desktop's fixed-pitch font; any other name as it is.
    QString FontName() const { return fontName_; }
    void setFontName(const QString& name);
    double FontSize() const { return fontSize_; }
    void setFontSize(double points);
    bool FontBold() const { return font_.bold(); }
    void setFontBold(bool bold);
    // The font the pages are printed in.
    QFont font() const { return font_; }

    // Paper and printable area, twips.
    double Width() const;
    double Height() const;
    double ScaleWidth() const;
    double ScaleHeight() const;

    double CurrentX() const { return x_; }
    void setCurrentX(double twips) { x_ = twips; }
    double CurrentY() const { return y_; }
    void setCurrentY(double twips) { y_ = twips; }

    // In the current font, twips. A text of several lines is as wide as its
    // widest line and as high as all its lines.
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;

    // Prints at the current position, then moves to the start of the next
    // line. A line that would cross the bottom of the printable area goes to
    // a new page first, as the desktop printer does.
    void Print(const QString& text = {});
    void NewPage();
    // 1-based number of the page being printed.
    int Page() const { return page_; }
    bool jobActive() const;
    // Finishes the job; the next Print starts a new one on page 1. A PDF
    // file is written under a temporary name and takes its own only once
    // written in full; when it cannot be, nothing is left of it (a file of
    // that name stays as it was) and files::cannotWrite is thrown, as it
    // is when the job begins and the file cannot be made.
    void EndDoc();
    // Abandons the job; nothing is left of a PDF file begun for it.
    void KillDoc();

private:
    void replacePrinter(std::unique_ptr<QPrinter> printer);
    void beginJob();
    // The PDF file a job writes, and where its pages go: the file's own
    // writer, whose failures the file keeps, instead of the printer, which
    // would drop them.
    void openPdfFile();
    void commitPdfFile();
    QPagedPaintDevice& pages() const;
    void resetPosition();
    double twipsPerDot() const;
    double lineHeight() const;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QSaveFile> pdfFile_;
    std::unique_ptr<QPdfWriter> pdfWriter_;
    std::unique_ptr<QPainter> painter_;
    QString fontName_;
    double fontSize_ = 10;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
    int page_ = 1;
};

} // namespace pellam
