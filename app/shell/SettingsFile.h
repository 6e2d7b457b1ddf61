#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace pellam {
class PellamUtility;
}

namespace pellam::app {

// The settings file "PellamAcc.ini" of the application folder: five lines,
// the third the application title and the fifth the date of the last save,
// both scrambled.
class SettingsFile {
public:
    SettingsFile(const PellamUtility& util, const QString& appFolder);

    QString path() const { return path_; }
    // The stored title, unscrambled; nothing when the file is missing or
    // too short to hold one.
    std::optional<QString> title() const;
    // Replaces the file (all five lines) in one step; a failed write leaves
    // the old file as it was. Throws PellamError when it cannot be written.
    void write(const QString& title, const QDate& today) const;

private:
    const PellamUtility& util_;
    QString path_;
};

} // namespace pellam::app
