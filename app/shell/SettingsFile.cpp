#include "shell/SettingsFile.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "files/FileReplace.h"
#include "format/DateText.h"
#include "PellamUtility.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace pellam::app {

SettingsFile::SettingsFile(const PellamUtility& util, const QString& appFolder)
    : util_(util), path_(QDir(appFolder).filePath(QStringLiteral("PellamAcc.ini")))
{
}

std::optional<QString> SettingsFile::title() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    in.readLine();
    in.readLine();
    if (in.atEnd())
        return std::nullopt;
    return util_.DeCrypt(in.readLine());
}

void SettingsFile::write(const QString& title, const QDate& today) const
{
    QSaveFile file(path_);
    QString why;
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&file);
        out << "****************   [DON'T EDIT THIS FILE]   ***********\n"
            << "0\n"
            << util_.EnCrypt(title) << '\n'
            << "************************************************\n"
            << util_.EnCrypt(datetext::format(today)) << '\n';
        out.flush();
        if (files::commitAndSync(file, why))
            return;
    } else {
        why = file.errorString();
    }
    throw PellamError(PathAccessError, QStringLiteral("The settings file %1 could not be written: %2")
                              .arg(QDir::toNativeSeparators(path_), why),
                      QStringLiteral("Pellam settings"));
}

} // namespace pellam::app
