#include "data/FinancialYear.h"

#include "format/DateText.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace pellam::data {

FinancialYear FinancialYear::containing(const QDate& workingDate)
{
    if (!workingDate.isValid())
        return {};
    return beginningIn(workingDate.month() < 4 ? workingDate.year() - 1 : workingDate.year());
}

FinancialYear FinancialYear::beginningIn(int startYear)
{
    return {QDate(startYear, 4, 1), QDate(startYear + 1, 3, 31)};
}

QString FinancialYear::shortYears() const
{
    const auto twoDigits = [](int year) { return QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0')); };
    return twoDigits(start.year()) + twoDigits(end.year());
}

QString FinancialYear::label() const
{
    return QString::number(start.year()) + QLatin1Char('-') + QString::number(end.year());
}

QString yearDatabaseFileName(const FinancialYear& year)
{
    return QStringLiteral("account") + year.shortYears() + QStringLiteral(".db");
}

QString yearDatabasePath(const QString& dataFolder, const FinancialYear& year)
{
    return QDir(dataFolder).filePath(yearDatabaseFileName(year));
}

bool hasAnyYearBooks(const QString& dataFolder)
{
    static const QRegularExpression yearFile(QStringLiteral("^account\\d{4}\\.db$"));
    const QStringList files = QDir(dataFolder).entryList({QStringLiteral("account*.db")}, QDir::Files);
    return std::any_of(files.begin(), files.end(), [](const QString& name) { return yearFile.match(name).hasMatch(); });
}

bool dateFormatIsDayMonthYear(const QDate& today)
{
    const QString text = datetext::format(today);
    const QString expected = QStringLiteral("%1/%2/%3")
                                 .arg(today.day(), 2, 10, QLatin1Char('0'))
                                 .arg(today.month(), 2, 10, QLatin1Char('0'))
                                 .arg(today.year(), 4, 10, QLatin1Char('0'));
    return text == expected && datetext::parse(text) == today;
}

} // namespace pellam::data
