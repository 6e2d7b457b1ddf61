#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace pellam::data {

// A date as a bank's file writes it, given as the user reads it: d or dd
// for the day, m or mm for the month's number, mmm for its English name
// (Jan, Feb, ...), yy or yyyy for the year, and any other characters as
// they stand between them ("dd/mm/yyyy", "dd-mmm-yy", "yyyy-mm-dd").
class DatePattern {
public:
    // The pattern, or nothing when it lacks a day, a month or a year, or
    // names one twice.
    static std::optional<DatePattern> read(const QString& pattern);

    // The date `text` holds, or nothing. A time after the date (separated
    // by a blank, as some banks add one) is passed over; a two-digit year
    // is one of 2000 to 2099.
    std::optional<QDate> dateOf(const QString& text) const;

    QString pattern() const { return pattern_; }

private:
    enum class Part { Day, Month, MonthName, ShortYear, Year, Text };
    struct Piece {
        Part part;
        QString text;   // a Text piece's characters
    };

    QString pattern_;
    QList<Piece> pieces_;
};

} // namespace pellam::data
