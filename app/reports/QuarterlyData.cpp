#include "reports/QuarterlyData.h"

namespace pellam::app {

const QStringList& quarterNames()
{
    static const QStringList names{QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third"),
                                   QStringLiteral("Fourth")};
    return names;
}

std::optional<int> quarterStartMonth(const QString& quarter)
{
    const QString name = quarter.trimmed().toUpper();
    for (int q = 0; q < quarterNames().size(); ++q)
        if (name == quarterNames()[q].toUpper())
            return (q * 3 + 3) % 12 + 1; // the financial year starts in April
    return std::nullopt;
}

QString quarterOf(int month)
{
    return quarterNames()[((month + 8) % 12) / 3];
}

QString monthCaption(int month)
{
    static const char* const kCaptions[] = {" JANUARY ", " FEBRUARY", "  MARCH  ", "  APRIL  ",
                                            "   MAY   ", "  JUNE   ", "  JULY   ", " AUGUST  ",
                                            "SEPTEMBER", " OCTOBER ", "NOVEMBER ", "DECEMBER "};
    return QString::fromLatin1(kCaptions[month - 1]);
}

QuarterFigures& QuarterFigures::operator+=(const QuarterFigures& other)
{
    for (size_t c = 0; c < income.size(); ++c) {
        income[c] += other.income[c];
        expense[c] += other.expense[c];
    }
    return *this;
}

} // namespace pellam::app
