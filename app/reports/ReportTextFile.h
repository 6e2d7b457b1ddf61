#pragma once

#include <QFile>
#include <QString>

namespace pellam::app {

// The preview route's report file: a fresh temporary name in the given
// folder, one continuous page of plain lines. Left in place when closed, for
// the preview window to read. Throws PellamError when it cannot be made.
class ReportTextFile {
public:
    explicit ReportTextFile(const QString& folder);
    void WriteLine(const QString& line = {});
    void WriteBlankLines(int count);
    void Close();
    QString path() const { return file_.fileName(); }

private:
    QFile file_;
};

} // namespace pellam::app
