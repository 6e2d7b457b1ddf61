#pragma once

#include <QDate>
#include <QString>

namespace pellam::data {

// A financial year: 1 April to 31 March. Each one has its own books file.
struct FinancialYear {
    QDate start, end;

    // January to March belong to the year that began the April before.
    static FinancialYear containing(const QDate& workingDate);
    // The year that begins on 1 April of `startYear`.
    static FinancialYear beginningIn(int startYear);

    // Last two digits of the starting and ending years: "2627" for 2026-27.
    QString shortYears() const;
    // "2026-2027", as the main window's status bar shows it.
    QString label() const;
    bool isValid() const { return start.isValid(); }
    bool contains(const QDate& date) const { return date >= start && date <= end; }
};

// "account2627.db"
QString yearDatabaseFileName(const FinancialYear& year);
// The year's books inside the data folder.
QString yearDatabasePath(const QString& dataFolder, const FinancialYear& year);

// Whether the data folder holds the books of any year ("account" + four
// digits + ".db"): without any, start-up offers to create the first.
bool hasAnyYearBooks(const QString& dataFolder);

// Start-up's date-format check: the working date must read back as
// day/month/year. The program formats and parses dates itself, so this holds
// whatever the desktop's locale says.
bool dateFormatIsDayMonthYear(const QDate& today);

} // namespace pellam::data
