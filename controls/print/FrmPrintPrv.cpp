#include "print/FrmPrintPrv.h"

#include "dialogs/Dialogs.h"
#include "errors/PellamError.h"
#include "printing/PagePrinter.h"
#include "text/FixedFont.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextStream>
#include <QVBoxLayout>

namespace pellam::ctl {

namespace {

void inform(const QString& text)
{
    dialogs().message({text, {}, MessageButtons::Ok, MessageIcon::Information});
}

QPushButton* button(QWidget* form, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, form);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

FrmPrintPrv::FrmPrintPrv(QWidget* parent)
    : QDialog(parent), RtbPreview(new QPlainTextEdit(this)), MnFile(new QMenu(this))
{
    setObjectName(QStringLiteral("FrmPrintPrv"));
    setWindowTitle(QStringLiteral("Pellam Utility - Preview"));
    resize(720, 480);
    RtbPreview->setObjectName(QStringLiteral("RtbPreview"));
    RtbPreview->setFont(fixedPitchFont());
    RtbPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    RtbPreview->setContextMenuPolicy(Qt::CustomContextMenu);
    MnFile->setObjectName(QStringLiteral("MnFile"));
    connect(menuItem(MnFile, "MnCut", QStringLiteral("&Cut")), &QAction::triggered, RtbPreview, &QPlainTextEdit::cut);
    connect(menuItem(MnFile, "MnCopy", QStringLiteral("Copy")), &QAction::triggered, RtbPreview,
            &QPlainTextEdit::copy);
    connect(menuItem(MnFile, "Mnselect", QStringLiteral("Select All")), &QAction::triggered, RtbPreview,
            &QPlainTextEdit::selectAll);
    // The right mouse button brings up the menu over the text.
    connect(RtbPreview, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { MnFile->popup(RtbPreview->viewport()->mapToGlobal(at)); });

    auto* print = button(this, "CmdPrint", QStringLiteral("&Print"));
    auto* save = button(this, "CmdSave", QStringLiteral("&Save"));
    auto* close = button(this, "CmdClose", QStringLiteral("&Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {print, save, close})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RtbPreview);
    layout->addLayout(buttons);

    connect(print, &QPushButton::clicked, this, &FrmPrintPrv::CmdPrint_Click);
    connect(save, &QPushButton::clicked, this, &FrmPrintPrv::CmdSave_Click);
    // Escape closes as well: the dialog's own reject.
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPrintPrv::setFileName(const QString& path)
{
    fileName_ = path;
    QFile file(path);
    RtbPreview->setPlainText(file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll())
                                                                              : QString());
}

void FrmPrintPrv::CmdPrint_Click()
{
    if (!QFileInfo::exists(fileName_)) {
        inform(QStringLiteral("An Internal Error Occured Information file is deleted\nRe create the report"));
        return;
    }
    PagePrinter& printer = PagePrinter::instance();
    PrinterRequest request{printer.qprinter(), printer.Copies()};
    if (!dialogs().printer(request))
        return;
    printer.setCopies(request.copies);
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        inform(QStringLiteral("An Internal Error Occured Information file is deleted\nRe create the report"));
        return;
    }
    try {
        printer.setFontName(QStringLiteral("Fixedsys"));
        QTextStream in(&file);
        while (!in.atEnd())
            printer.Print(in.readLine());
        printer.EndDoc();
    } catch (const PellamError& e) {
        printer.KillDoc();
        inform(e.Description());
    }
}

void FrmPrintPrv::CmdSave_Click()
{
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = QStringLiteral("Save");
    request.filter = QStringLiteral("All Files (*.*);;Text Files (*.txt);;Word Document (*.Doc)");
    const auto chosen = dialogs().file(request);
    if (!chosen)
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".DOC");
    QFile file(path);
    const QByteArray text = RtbPreview->toPlainText().toUtf8();
    // A file that was there before but could not be written is no success either.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) &&
                         file.write(text) == text.size() && file.flush();
    file.close();
    if (!written || !QFileInfo::exists(path))
        inform(QStringLiteral("An error occured.\nRe Create the Report"));
}

} // namespace pellam::ctl
