#include "environment/DayFileName.h"

#include "text/Windows1252.h"

namespace pellam::environment {

namespace {

// The year's digit sum as the name has always counted it: each step divides
// by ten rounding half to even (2026 -> 6 + 3 + 0 + 2 = 11).
int yearSum(int year)
{
    int sum = 0;
    long long y = year;
    while (y >= 1) {
        sum += int(y % 10);
        const long long q = y / 10, r = y % 10;
        y = q + ((r > 5 || (r == 5 && q % 2 != 0)) ? 1 : 0);
    }
    return sum;
}

} // namespace

QString dayFileName(const QDate& date, bool extension)
{
    const QDate day = (date.isValid() && date > QDate(2000, 1, 1)) ? date : QDate::currentDate();
    QString name;
    name += windows1252::character(day.day() + 50);
    name += windows1252::character(day.month() + 65);
    name += windows1252::character(197);
    name += windows1252::character(yearSum(day.year()) + 100);
    return extension ? name + QStringLiteral(".log") : name;
}

} // namespace pellam::environment
