#include "reports/ReportTextFile.h"

#include "files/FileReplace.h"

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
        throw files::cannotWrite(probe.fileTemplate(), probe.errorString());
    return probe.fileName();
}

} // namespace

ReportTextFile::ReportTextFile(const QString& folder) : file_(freshName(folder))
{
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw files::cannotWrite(file_.fileName(), file_.errorString());
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
    // A write that failed on the way (a full disk) is kept by the file
    // until now; the report is not shown cut short.
    if (file_.isOpen() && (!file_.flush() || file_.error() != QFileDevice::NoError)) {
        const QString reason = files::whyNotWritten(file_);
        file_.close();
        throw files::cannotWrite(file_.fileName(), reason);
    }
    file_.close();
}

} // namespace pellam::app
