#include "core/FrmPreview.h"

#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FindBar.h"
#include "core/LineFileView.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "printing/RawPrinter.h"
#include "text/FixedFont.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

// What the printer is handed at a time: the report goes over in pieces of
// about this size, never whole.
constexpr qsizetype kPrintChunk = 64 * 1024;

void onKey(QWidget* window, const QKeySequence& key, const std::function<void()>& action)
{
    auto* shortcut = new QShortcut(key, window);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, action);
}

} // namespace

FrmPreview* FrmPreview::open(const QString& file, const QString& caption)
{
    auto* preview = new FrmPreview;
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->loadFile(file);
    preview->ownsFile_ = true;
    preview->setWindowTitle(caption);
    showChild(preview);
    preview->rtbInfo_->setFocus(Qt::OtherFocusReason);
    return preview;
}

FrmPreview::FrmPreview(QWidget* parent)
    : QWidget(parent), rtbInfo_(new LineFileView(this)), findBar_(new FindBar(rtbInfo_, this)),
      status_(new QLabel(this)), command3_(new QPushButton(QStringLiteral("&Print Text"), this)),
      command1_(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("FrmPreview"));
    setWindowTitle(QStringLiteral("Preview "));
    rtbInfo_->setObjectName(QStringLiteral("rtbInfo"));
    status_->setObjectName(QStringLiteral("lblStatus"));
    command3_->setObjectName(QStringLiteral("Command3"));
    command1_->setObjectName(QStringLiteral("Command1"));
    rtbInfo_->setFont(fixedPitchFont());
    setFocusProxy(rtbInfo_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(command3_);
    buttons->addWidget(command1_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rtbInfo_);
    layout->addWidget(findBar_);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(command3_, &QPushButton::clicked, this, &FrmPreview::Command3_Click);
    connect(command1_, &QPushButton::clicked, this, &FrmPreview::Command1_Click);
    connect(findBar_, &FindBar::said, status_, &QLabel::setText);
    connect(rtbInfo_, &LineFileView::notice, status_, &QLabel::setText);
    onKey(this, QKeySequence::Find, [this] { findBar_->open(); });
    onKey(this, QKeySequence(Qt::Key_F3), [this] { findBar_->findNext(); });
    onKey(this, QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findBar_->findPrevious(); });
}

// The report file lives as long as the window that shows it: "Print Text"
// needs it until then, and nobody needs it after.
FrmPreview::~FrmPreview()
{
    if (ownsFile_)
        QFile::remove(file_);
}

void FrmPreview::loadFile(const QString& file)
{
    file_ = file;
    rtbInfo_->openFile(file);
}

void FrmPreview::Command3_Click()
{
    if (!QFile::exists(file_)) {
        say(QStringLiteral("An Internal Error Occured Information file is deleted") + QChar(13) +
                QStringLiteral("recreate the report"),
            MessageIcon::Information);
        return;
    }
    ShowStatus(QStringLiteral("Printing Report..........."));
    runStep(
        [this] {
            QFile f(file_);
            if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
                throw PellamError::standard(FileNotFound, QStringLiteral("Print"));
            // Line by line, as the printer expects: each line ends in CR LF.
            // The file goes over a piece at a time, so a long report is
            // never held whole.
            RawPrintJob printer;
            QString piece;
            while (!f.atEnd()) {
                QString line = QString::fromUtf8(f.readLine());
                if (line.endsWith(QLatin1Char('\n')))
                    line.chop(1);
                piece += line + QStringLiteral("\r\n");
                if (piece.size() >= kPrintChunk) {
                    printer.writeText(piece);
                    piece.clear();
                }
            }
            printer.writeText(piece);
            printer.finish();
        },
        QStringLiteral("Print"), objectName());
    ShowStatus(QString());
}

void FrmPreview::Command1_Click()
{
    closeChild(this);
}

} // namespace pellam::app
