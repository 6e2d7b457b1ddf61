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
    if (!date.isValid())
        return {};
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1000 || year > 9999)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    // Written by hand: reports format a date on every line.
    const char16_t text[10] = {char16_t(u'0' + day / 10),    char16_t(u'0' + day % 10),         u'/',
                               char16_t(u'0' + month / 10),  char16_t(u'0' + month % 10),       u'/',
                               char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10),
                               char16_t(u'0' + year / 10 % 10), char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

} // namespace pellam::datetext
