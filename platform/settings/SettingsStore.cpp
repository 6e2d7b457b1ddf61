#include "settings/SettingsStore.h"

#include "errors/PellamError.h"
#include "files/FileReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace pellam {

namespace {

QString rootName(int root)
{
    switch (root) {
    case SettingsStore::ClassesRoot: return QStringLiteral("HKEY_CLASSES_ROOT");
    case SettingsStore::CurrentUser: return QStringLiteral("HKEY_CURRENT_USER");
    case SettingsStore::LocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case SettingsStore::Users: return QStringLiteral("HKEY_USERS");
    case SettingsStore::PerformanceData: return QStringLiteral("HKEY_PERFORMANCE_DATA");
    default: return {};
    }
}

// "Software\Pellam\Coffer9.0" becomes the INI group "Software/Pellam/Coffer9.0".
QString groupOf(const QString& key)
{
    QStringList parts = key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('/'));
}

QString settingKey(const QString& key, const QString& name)
{
    const QString group = groupOf(key);
    // A slash in a value name would open a group of its own; keep it in the name.
    QString plainName = name;
    plainName.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return group.isEmpty() ? plainName : group + QLatin1Char('/') + plainName;
}

} // namespace

QString SettingsStore::folder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(QStringLiteral("Pellam"));
}

QString SettingsStore::fileOf(int root)
{
    const QString name = rootName(root);
    return name.isEmpty() ? QString() : QDir(folder()).filePath(name + QStringLiteral(".ini"));
}

bool SettingsStore::write(int root, const QString& key, const QString& name, const QString& value)
{
    const QString file = fileOf(root);
    if (file.isEmpty() || name.isEmpty())
        return false;
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(settingKey(key, name), value);
    // QSettings writes the file whole under another name and renames it.
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return false;
    try {
        files::syncFolder(QFileInfo(file).absolutePath());
    } catch (const PellamError&) {
        return false;
    }
    return true;
}

std::optional<QString> SettingsStore::read(int root, const QString& key, const QString& name)
{
    const QString file = fileOf(root);
    if (file.isEmpty() || name.isEmpty() || !QFileInfo::exists(file))
        return std::nullopt;
    QSettings ini(file, QSettings::IniFormat);
    const QVariant v = ini.value(settingKey(key, name));
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

} // namespace pellam
