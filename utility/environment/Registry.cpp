#include "environment/Registry.h"

#include "settings/SettingsStore.h"
#include "system/SystemServices.h"
#include "text/Windows1252.h"

namespace pellam::environment {

bool writeKeyValue(int root, const QString& key, const QString& name, QString& value)
{
    if (SettingsStore::fileOf(root).isEmpty())
        return false;
    if (value.isEmpty())
        value = QStringLiteral(" ");
    return SettingsStore::write(root, key, name, value);
}

QString readKeyValue(int root, const QString& key, const QString& name)
{
    const auto stored = SettingsStore::read(root, key, name);
    if (!stored || windows1252::encode(*stored).size() > 1024)
        return {};
    const qsizetype zero = stored->indexOf(QChar(0));
    return zero < 0 ? *stored : stored->left(zero);
}

QString tempDirFromEnvironment()
{
    const QStringList entries = sys::environmentEntries();
    for (int i = 0; i < entries.size() && i < 50; ++i) {
        const QString& e = entries[i];
        if (e.startsWith(QLatin1String("TMP"), Qt::CaseInsensitive) ||
            e.startsWith(QLatin1String("TEMP"), Qt::CaseInsensitive)) {
            const qsizetype eq = e.indexOf(QLatin1Char('='));
            return eq < 0 ? QString() : e.mid(eq + 1);
        }
    }
    return {};
}

} // namespace pellam::environment
