#include "format/DateText.h"

#include <QRegularExpression>

namespace pellam::datetext {

std::optional<QDate> parse(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,4})\s*[/\-.]\s*(\d{1,2})\s*[/\-.]\s*(\d{1,4})\s*$)"));
    const auto m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    int day = m.captured(1).toInt();
    const int month = m.captured(2).toInt();
    int year = m.captured(3).toInt();
    if (m.captured(1).size() == 4) {
        if (m.captured(3).size() > 2)
            return std::nullopt;
        std::swap(day, year);
    } else if (m.captured(3).size() <= 2) {
        year += year < 30 ? 2000 : 1900;
    } else if (m.captured(3).size() == 3) {
        return std::nullopt;
    } else if (m.captured(1).size() > 2) {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString format(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

} // namespace pellam::datetext
