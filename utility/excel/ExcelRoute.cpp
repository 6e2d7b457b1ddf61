// CreateExcel and CloseViewEx: the frame of every report's spreadsheet route.
#include "PellamUtility.h"

#include "dialogs/Dialogs.h"
#include "excel/ExcelWorkbook.h"
#include "system/SystemServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

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

// Whether a file can be made at `path`: tried with a scratch file beside it,
// so that a missing folder or a read-only one is known before the report runs.
bool canWrite(const QString& path)
{
    QFile probe(path + QStringLiteral(".part"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

} // namespace

bool PellamUtility::CreateExcel(std::unique_ptr<ExcelWorkbook>& PqExcel, ByRef<QString> FilePath) const
{
    QString& folder = FilePath.get();
    if (folder.trimmed().isEmpty())
        folder = GetTempDir();
    for (;;) {
        InputRequest request;
        request.title = QStringLiteral("Enter the New File Name");
        request.prompt = folder + QLatin1Char('/');
        const QString name = dialogs().input(request).value_or(QString());
        if (name.trimmed().isEmpty()) {
            if (ask(QStringLiteral("Invalid File Specified ") + QStringLiteral(" Continue Any How ?"),
                    MessageButtons::YesNo, MessageIcon::None) == MessageAnswer::Yes)
                continue;
            return false;
        }
        // A name with its own extension is taken as typed; a relative one
        // lies in the folder the prompt shows.
        const QString file = name.contains(QLatin1Char('.')) ? QDir(folder).absoluteFilePath(name)
                                                            : folder + QLatin1Char('/') + name + QStringLiteral(".xlsx");
        if (QFileInfo::exists(file) &&
            ask(QStringLiteral("File Already Exisit !!") + QChar(13) + QStringLiteral("Are You Sure to Overwrite the file"),
                MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
            continue;
        // The old file stays until the new workbook is written in full.
        if (!canWrite(file)) {
            ask(QStringLiteral("The file cannot be written:") + QChar(13) + file, MessageButtons::Ok,
                MessageIcon::Information);
            return false;
        }
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
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ask(QStringLiteral("Excel Application Not Found"), MessageButtons::Ok, MessageIcon::Information);
}

} // namespace pellam
