#include "yearend/BackupSchedule.h"

#include "core/InstallationSlot.h"
#include "format/DateText.h"

#include <QRegularExpression>

namespace pellam::startup {

namespace {

constexpr int kDefaultInterval = 7;

void writeValue(const PellamUtility& util, const QString& name, QString value)
{
    util.UpdateKey(PellamUtility::HkeyLOCAL_MACHINE, kInstallationKey, name, value);
}

QString readValue(const PellamUtility& util, const QString& name)
{
    return util.GetKeyValue(PellamUtility::HkeyLOCAL_MACHINE, kInstallationKey, name).trimmed();
}

// The leading whole number of the text, as the options window wrote it;
// anything else, and a number below 1, gives the default.
int intervalDays(const QString& text)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*(\\d{1,6})"));
    const auto match = leadingNumber.match(text);
    const int days = match.hasMatch() ? match.captured(1).toInt() : 0;
    return days > 0 ? days : kDefaultInterval;
}

} // namespace

void recordStart(const PellamUtility& util, const QString& appKey, const QDate& today)
{
    writeValue(util, QStringLiteral("D") + appKey, today.toString(QStringLiteral("d.M.yy")));
}

bool backupDue(const PellamUtility& util, const QString& appKey, const QDate& today)
{
    const auto last = datetext::parse(readValue(util, QStringLiteral("BkDt") + appKey));
    if (!last)
        return false;
    return last->daysTo(today) > intervalDays(readValue(util, QStringLiteral("AtBk") + appKey));
}

void recordBackup(const PellamUtility& util, const QString& appKey, const QDate& today)
{
    writeValue(util, QStringLiteral("BkDt") + appKey, today.toString(QStringLiteral("dd/MM/yy")));
}

} // namespace pellam::startup
