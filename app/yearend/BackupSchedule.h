#pragma once

#include "PellamUtility.h"

#include <QDate>
#include <QString>

namespace pellam::startup {

// Writes today, "d.m.yy", as this installation's last start ("D" + slot).
void recordStart(const PellamUtility& util, const QString& appKey, const QDate& today);

// An automatic backup is due when the last backup ("BkDt" + slot) is a date
// and more days than the interval ("AtBk" + slot; 0, missing or not a
// number means 7) have passed since. No recorded backup: not due.
bool backupDue(const PellamUtility& util, const QString& appKey, const QDate& today);

// Writes today, "dd/mm/yy", as this installation's last backup.
void recordBackup(const PellamUtility& util, const QString& appKey, const QDate& today);

} // namespace pellam::startup
