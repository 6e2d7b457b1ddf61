#include "core/FrmPreview.h"

#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "printing/RawPrinter.h"
#include "text/FixedFont.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pellam::app {

FrmPreview* FrmPreview::open(const QString& file, const QString& caption)
{
    auto* preview = new FrmPreview;
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->loadFile(file);
    preview->ownsFile_ = true;
    preview->setWindowTitle(caption);
    showChild(preview);
    return preview;
}

FrmPreview::FrmPreview(QWidget* parent)
    : QWidget(parent), rtbInfo_(new QPlainTextEdit(this)), command3_(new QPushButton(QStringLiteral("&Print Text"), this)),
      command1_(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("FrmPreview"));
    setWindowTitle(QStringLiteral("Preview "));
    rtbInfo_->setObjectName(QStringLiteral("rtbInfo"));
    command3_->setObjectName(QStringLiteral("Command3"));
    command1_->setObjectName(QStringLiteral("Command1"));
    rtbInfo_->setReadOnly(true);
    rtbInfo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtbInfo_->setFont(fixedPitchFont());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command3_);
    buttons->addWidget(command1_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rtbInfo_);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(command3_, &QPushButton::clicked, this, &FrmPreview::Command3_Click);
    connect(command1_, &QPushButton::clicked, this, &FrmPreview::Command1_Click);
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
    QFile f(file);
    if (f.open(QIODevice::ReadOnly | QIODevice::Text))
        rtbInfo_->setPlainText(QString::fromUtf8(f.readAll()));
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
            QString text;
            while (!f.atEnd()) {
                QString line = QString::fromUtf8(f.readLine());
                if (line.endsWith(QLatin1Char('\n')))
                    line.chop(1);
                text += line + QStringLiteral("\r\n");
            }
            RawPrinter::writeText(text);
        },
        QStringLiteral("Print"), objectName());
    ShowStatus(QString());
}

void FrmPreview::Command1_Click()
{
    closeChild(this);
}

} // namespace pellam::app
