// CreateExcel and CloseViewEx: the frame of every report's spreadsheet route.
#include "PellamUtility.h"

#include "dialogs/Dialogs.h"
#include "environment/Registry.h"
#include "excel/ExcelWorkbook.h"
#include "files/FileReplace.h"
#include "system/SystemServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace pellam {

namespace {

MessageAnswer ask(const QString& text, MessageButtons buttons, MessageIcon icon)
{
    MessageRequest m;
    m.text = text;
    m.title = PellamUtility::kTitle;
    m.buttons = buttons;
    m.icon = icon;
    return dialogs().message(m);
}

// Why no file can be made at `path`, or nothing: tried with a scratch file
// beside it, so that a missing folder or a read-only one is known before
// the report runs.
std::optional<QString> whyNotWritable(const QString& path)
{
    QFile probe(path + QStringLiteral(".part"));
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.close();
    probe.remove();
    return std::nullopt;
}

// Where the clerk last saved a workbook, per user.
const QString kWorkbookFolder = QStringLiteral("ExcelFolder");

// The folder the save dialog starts in: the one last saved into while it
// exists, otherwise the user's documents folder (or home folder).
QString workbookFolder(const QString& key)
{
    const QString last = environment::readKeyValue(PellamUtility::HkeyCURRENT_USER, key, kWorkbookFolder).trimmed();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberWorkbookFolder(const QString& key, QString folder)
{
    environment::writeKeyValue(PellamUtility::HkeyCURRENT_USER, key, kWorkbookFolder, folder);
}

} // namespace

bool PellamUtility::CreateExcel(std::unique_ptr<ExcelWorkbook>& PqExcel, ByRef<QString> FilePath) const
{
    QString& folder = FilePath.get();
    if (folder.trimmed().isEmpty())
        folder = workbookFolder(PubKeyName());
    for (;;) {
        FileRequest request;
        request.mode = FileRequest::Mode::Save;
        request.title = QStringLiteral("Enter the New File Name");
        request.folder = folder;
        request.filter = QStringLiteral("Excel Workbook (*.xlsx);;All Files (*)");
        // Cancelling the save dialog is the clerk's answer: no workbook.
        const QString name = dialogs().file(request).value_or(QString()).trimmed();
        if (name.isEmpty())
            return false;
        // A name without an extension gets one. The save dialog has asked
        // about replacing the name as chosen, but not about the name with
        // the extension added, so that one is asked here.
        const bool extended = QFileInfo(name).suffix().isEmpty();
        const QString file = QDir(folder).absoluteFilePath(extended ? name + QStringLiteral(".xlsx") : name);
        if (extended && QFileInfo::exists(file) &&
            ask(QStringLiteral("File Already Exisit !!") + QChar(13) + QStringLiteral("Are You Sure to Overwrite the file"),
                MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
            continue;
        // The old file stays until the new workbook is written in full.
        if (const auto reason = whyNotWritable(file)) {
            ask(files::cannotWrite(file, *reason).Description(), MessageButtons::Ok, MessageIcon::Information);
            return false;
        }
        rememberWorkbookFolder(PubKeyName(), QFileInfo(file).absolutePath());
        PqExcel = std::make_unique<ExcelWorkbook>(file);
        return true;
    }
}

void PellamUtility::CloseViewEx(std::unique_ptr<ExcelWorkbook>& XlWork) const
{
    if (!XlWork) {
        ask(QStringLiteral("Invalid Application"), MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    const std::unique_ptr<ExcelWorkbook> book = std::move(XlWork);
    if (!book->Saved())
        book->Save();
    const QString path = book->FullName();
    if (ask(path + QChar(13) + QStringLiteral("Report is created Successfully ") + QChar(13) +
                QStringLiteral("Do you want to view it"),
            MessageButtons::YesNo, MessageIcon::Information) != MessageAnswer::Yes)
        return;
    const QString viewer = GetKeyValue(HkeyLOCAL_MACHINE, PubKeyName(), QStringLiteral("Excel")).trimmed();
    if (!viewer.isEmpty() && QFileInfo::exists(viewer)) {
        sys::startProgram(QLatin1Char('"') + viewer + QStringLiteral("\"  \"") + path + QLatin1Char('"'), false);
        return;
    }
    // Without a program to show it, the clerk still needs to know where the
    // workbook is.
    if (!sys::openDocument(path))
        ask(QStringLiteral("Excel Application Not Found") + QChar(13) + QChar(13) +
                QStringLiteral("The report is saved as ") + QDir::toNativeSeparators(path),
            MessageButtons::Ok, MessageIcon::Information);
}

} // namespace pellam
