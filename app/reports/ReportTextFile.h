#pragma once

#include <QFile>
#include <QString>

namespace pellam::app {

// The preview route's report file: a fresh temporary name in the given
// folder, one continuous page of plain lines. The file is this object's until
// it is released to the preview window, which removes it when it closes; a
// report that fails half-way leaves nothing behind. Throws PellamError when
// it cannot be made.
class ReportTextFile {
public:
    explicit ReportTextFile(const QString& folder);
    ~ReportTextFile();
    ReportTextFile(const ReportTextFile&) = delete;
    ReportTextFile& operator=(const ReportTextFile&) = delete;
    void WriteLine(const QString& line = {});
    void Close();
    QString path() const { return file_.fileName(); }
    // Hands the closed file on to whoever shows it; this object no longer
    // removes it.
    QString release();

private:
    QFile file_;
    bool released_ = false;
};

} // namespace pellam::app
