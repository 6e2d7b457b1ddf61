#pragma once

#include <QDate>
#include <QString>

namespace pellam {
class PellamUtility;
}

namespace pellam::app {

// The three settings of an installation that the options window edits.
struct InstallationOptions {
    QString title;         // follows the program's name in the main window's caption
    QString backupFolder;  // ends with a slash
    QString interval;      // days between automatic backups, as typed
};

// Reads and writes those settings: the title in the settings file, the
// backup folder and interval in this installation's stored values.
class InstallationOptionsStore {
public:
    InstallationOptionsStore(const PellamUtility& util, QString appFolder, QString appKey);

    // The current settings. A missing title reads as the default one; a
    // missing folder or an interval that is no positive number is replaced
    // by its default, which is stored at once.
    InstallationOptions load() const;
    // Writes all three as given. Throws PellamError when the settings file
    // cannot be written (the stored values are then left alone).
    void save(const InstallationOptions& options, const QDate& today) const;

    static const QString kDefaultTitle;

private:
    QString intervalName() const { return QStringLiteral("AtBk") + appKey_; }
    QString read(const QString& name) const;
    void store(const QString& name, const QString& value) const;

    const PellamUtility& util_;
    QString appFolder_;
    QString appKey_;
};

} // namespace pellam::app
