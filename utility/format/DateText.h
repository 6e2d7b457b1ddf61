#pragma once

#include "UtilExport.h"

#include <QDate>
#include <QString>
#include <optional>

namespace pellam::datetext {

// A date typed day first: "5/4/2024", "05-04-2024", "05.04.24". A two-digit
// year below 30 is in the 2000s, otherwise in the 1900s. A four-digit first
// part is read as year-month-day ("2024-04-05"). Nothing for anything else,
// also for a day or month out of range ("31/13/2024").
PELLAM_UTIL_EXPORT std::optional<QDate> parse(const QString& text);

// "dd/mm/yyyy", whatever the desktop's locale.
PELLAM_UTIL_EXPORT QString format(const QDate& date);

} // namespace pellam::datetext
