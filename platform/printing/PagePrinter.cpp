#include "printing/PagePrinter.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "files/FileReplace.h"
#include "text/FixedFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace pellam {

namespace {

const QString kSource = QStringLiteral("Pellam printer");
// Millimetres, not points: Qt rounds page sizes to whole points.
constexpr double kTwipsPerMm = 1440.0 / 25.4;
// A PDF page has no unprintable border; a quarter inch keeps text where a
// desktop printer could put it, so both give the same layout.
constexpr double kPdfMarginPoints = 18.0;

std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints),
                            QPageLayout::Point);
    printer->setOutputFileName(path);
    return printer;
}

QString familyFor(const QString& name)
{
    if (name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (name.compare(QLatin1String("Fixedsys"), Qt::CaseInsensitive) == 0)
        return fixedPitchFont().family();
    return name;
}

} // namespace

PagePrinter& PagePrinter::instance()
{
    static PagePrinter printer;
    return printer;
}

PagePrinter::PagePrinter()
{
    setFontName(QStringLiteral("Courier New"));
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer_ = pdfPrinter({});
    else
        usePrinter();
}

PagePrinter::~PagePrinter()
{
    try {
        EndDoc();
    } catch (const PellamError&) {
        // Nobody is left to tell; the file is not left half-written.
    }
}

void PagePrinter::replacePrinter(std::unique_ptr<QPrinter> printer)
{
    EndDoc();
    if (printer_)
        printer->setCopyCount(printer_->copyCount());
    printer_ = std::move(printer);
}

void PagePrinter::usePrinter(const QString& name)
{
    const QString chosen = name.isEmpty() ? QPrinterInfo::defaultPrinterName() : name;
    if (chosen.isEmpty() || QPrinterInfo::printerInfo(chosen).isNull()) {
        // Nothing to print on: keep measuring on paper, and let a job fail
        // when it starts.
        replacePrinter(pdfPrinter({}));
        return;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(chosen);
    QPageLayout layout = printer->pageLayout();
    printer->setPageMargins(layout.minimumMargins(), layout.units());
    replacePrinter(std::move(printer));
}

void PagePrinter::usePdfFile(const QString& path)
{
    replacePrinter(pdfPrinter(path));
}

QPrinter* PagePrinter::qprinter()
{
    return printer_.get();
}

bool PagePrinter::printsToFile() const
{
    return printer_->outputFormat() == QPrinter::PdfFormat;
}

int PagePrinter::Copies() const
{
    return printer_->copyCount();
}

void PagePrinter::setCopies(int copies)
{
    printer_->setCopyCount(qMax(1, copies));
}

QPageLayout::Orientation PagePrinter::Orientation() const
{
    return printer_->pageLayout().orientation();
}

void PagePrinter::setOrientation(QPageLayout::Orientation orientation)
{
    printer_->setPageOrientation(orientation);
}

void PagePrinter::setFontName(const QString& name)
{
    fontName_ = name;
    const bool bold = font_.bold();
    font_ = QFont(familyFor(name));
    font_.setPointSizeF(fontSize_);
    font_.setBold(bold);
    if (painter_ && painter_->isActive())
        painter_->setFont(font_);
}

void PagePrinter::setFontSize(double points)
{
    if (points <= 0)
        throw PellamError::standard(InvalidPropertyValue, kSource);
    fontSize_ = points;
    font_.setPointSizeF(points);
    if (painter_ && painter_->isActive())
        painter_->setFont(font_);
}

void PagePrinter::setFontBold(bool bold)
{
    font_.setBold(bold);
    if (painter_ && painter_->isActive())
        painter_->setFont(font_);
}

double PagePrinter::Width() const
{
    return printer_->pageLayout().fullRect(QPageLayout::Millimeter).width() * kTwipsPerMm;
}

double PagePrinter::Height() const
{
    return printer_->pageLayout().fullRect(QPageLayout::Millimeter).height() * kTwipsPerMm;
}

double PagePrinter::ScaleWidth() const
{
    return printer_->pageLayout().paintRect(QPageLayout::Millimeter).width() * kTwipsPerMm;
}

double PagePrinter::ScaleHeight() const
{
    return printer_->pageLayout().paintRect(QPageLayout::Millimeter).height() * kTwipsPerMm;
}

double PagePrinter::twipsPerDot() const
{
    return 1440.0 / printer_->resolution();
}

double PagePrinter::TextWidth(const QString& text) const
{
    const QFontMetricsF metrics(font_, printer_.get());
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest * twipsPerDot();
}

double PagePrinter::lineHeight() const
{
    return QFontMetricsF(font_, printer_.get()).lineSpacing() * twipsPerDot();
}

double PagePrinter::TextHeight(const QString& text) const
{
    return lineHeight() * double(text.count(QLatin1Char('\n')) + 1);
}

bool PagePrinter::jobActive() const
{
    return painter_ && painter_->isActive();
}

QPagedPaintDevice& PagePrinter::pages() const
{
    if (pdfWriter_)
        return *pdfWriter_;
    return *printer_;
}

void PagePrinter::openPdfFile()
{
    const QString path = printer_->outputFileName();
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly))
        throw files::cannotWrite(path, file->errorString());
    // The same paper and resolution as the printer, whose measures the
    // layouts are computed in.
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(printer_->resolution());
    writer->setPageLayout(printer_->pageLayout());
    writer->setCreator(printer_->creator());
    writer->setTitle(printer_->docName());
    pdfFile_ = std::move(file);
    pdfWriter_ = std::move(writer);
}

void PagePrinter::commitPdfFile()
{
    pdfWriter_.reset();
    const std::unique_ptr<QSaveFile> file = std::move(pdfFile_);
    QString why;
    if (file && !files::commitAndSync(*file, why))
        throw files::cannotWrite(file->fileName(), why);
}

void PagePrinter::beginJob()
{
    if (jobActive())
        return;
    if (printsToFile() && !printer_->outputFileName().isEmpty())
        openPdfFile();
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&pages())) {
        painter_.reset();
        pdfWriter_.reset();
        pdfFile_.reset();
        throw PellamError(PrinterError, QStringLiteral("Printer error"), kSource);
    }
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    page_ = 1;
}

void PagePrinter::Print(const QString& text)
{
    beginJob();
    const double height = lineHeight();
    const double ascent = QFontMetricsF(font_, printer_.get()).ascent() * twipsPerDot();
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (y_ > 0 && y_ + height > ScaleHeight())
            NewPage();
        if (!line.isEmpty())
            painter_->drawText(QPointF(x_ / twipsPerDot(), (y_ + ascent) / twipsPerDot()), line);
        y_ += height;
        x_ = 0;
    }
}

void PagePrinter::NewPage()
{
    beginJob();
    pages().newPage();
    ++page_;
    x_ = 0;
    y_ = 0;
}

void PagePrinter::resetPosition()
{
    x_ = 0;
    y_ = 0;
    page_ = 1;
}

void PagePrinter::EndDoc()
{
    if (jobActive())
        painter_->end();
    painter_.reset();
    resetPosition();
    commitPdfFile();
}

void PagePrinter::KillDoc()
{
    if (jobActive()) {
        if (!pdfWriter_)
            printer_->abort();
        painter_->end();
    }
    painter_.reset();
    resetPosition();
    // An unfinished PDF file goes; one of that name from before stays.
    pdfWriter_.reset();
    pdfFile_.reset();
}

} // namespace pellam
