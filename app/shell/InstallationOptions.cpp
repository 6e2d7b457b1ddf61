#include "shell/InstallationOptions.h"

#include "core/InstallationSlot.h"
#include "PellamUtility.h"
#include "shell/SettingsFile.h"

#include <QDir>
#include <QRegularExpression>

namespace pellam::app {

namespace {

const QString kBackupFolder = QStringLiteral("bak");
const QString kDefaultInterval = QStringLiteral("7");

// The numeric value of the text's leading digits; 0 for text that does not
// start with a whole number (blank, letters, a minus sign).
int leadingNumber(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,6})"));
    const auto match = digits.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

const QString InstallationOptionsStore::kDefaultTitle = QStringLiteral("The Steadfast Account Manager");

InstallationOptionsStore::InstallationOptionsStore(const PellamUtility& util, QString appFolder, QString appKey)
    : util_(util), appFolder_(std::move(appFolder)), appKey_(std::move(appKey))
{
}

QString InstallationOptionsStore::read(const QString& name) const
{
    return util_.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, startup::kInstallationKey, name);
}

void InstallationOptionsStore::store(const QString& name, const QString& value) const
{
    QString stored = value;
    util_.UpdateKey(PellamUtility::HkeyLOCAL_MACHINE, startup::kInstallationKey, name, stored);
}

InstallationOptions InstallationOptionsStore::load() const
{
    InstallationOptions o;
    o.title = SettingsFile(util_, appFolder_).title().value_or(kDefaultTitle);

    o.backupFolder = read(kBackupFolder);
    if (o.backupFolder.trimmed().isEmpty()) {
        o.backupFolder = QDir(appFolder_).filePath(QStringLiteral("BackUp")) + QLatin1Char('/');
        store(kBackupFolder, o.backupFolder);
    }

    o.interval = read(intervalName());
    if (leadingNumber(o.interval) == 0) {
        o.interval = kDefaultInterval;
        store(intervalName(), o.interval);
    }
    return o;
}

void InstallationOptionsStore::save(const InstallationOptions& options, const QDate& today) const
{
    SettingsFile(util_, appFolder_).write(options.title, today);
    store(kBackupFolder, options.backupFolder);
    store(intervalName(), options.interval);
}

} // namespace pellam::app
