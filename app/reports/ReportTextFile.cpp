#include "reports/ReportTextFile.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <QDir>
#include <QTemporaryFile>

namespace pellam::app {

namespace {

// A name no other report has taken; the file is kept, not removed, when the
// temporary object goes.
QString freshName(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("rptXXXXXX.tmp")));
    probe.setAutoRemove(false);
    if (!probe.open())
        throw PellamError(PathAccessError, QStringLiteral("Path/File access error: ") + folder, QStringLiteral("Report"));
    return probe.fileName();
}

} // namespace

ReportTextFile::ReportTextFile(const QString& folder) : file_(freshName(folder))
{
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw PellamError(PathAccessError, QStringLiteral("Path/File access error: ") + file_.fileName(), QStringLiteral("Report"));
}

ReportTextFile::~ReportTextFile()
{
    if (!released_)
        file_.remove();
}

QString ReportTextFile::release()
{
    released_ = true;
    return file_.fileName();
}

void ReportTextFile::WriteLine(const QString& line)
{
    file_.write(line.toUtf8());
    file_.write("\n");
}

void ReportTextFile::Close()
{
    if (file_.isOpen() && (!file_.flush() || file_.error() != QFileDevice::NoError)) {
        file_.close();
        throw PellamError(DiskFull, QStringLiteral("Disk full: ") + file_.fileName(), QStringLiteral("Report"));
    }
    file_.close();
}

} // namespace pellam::app
