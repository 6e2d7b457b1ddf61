#pragma once

#include "types/Currency.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace pellam::app {

// The choices of the quarterly statement's window.
struct QuarterRequest {
    QList<qint64> shops;      // institutions, in list order
    QString quarter;          // "First" to "Fourth", as the window shows it
    bool lines = false;       // a rule under every head
    QDate yearStart;          // the financial year of the books, for the title
    QDate yearEnd;
};

// The quarters' names as the window offers them, first to fourth.
const QStringList& quarterNames();
// The first month of the named quarter (case and surrounding blanks aside):
// 4, 7, 10 or 1; nothing for any other text.
std::optional<int> quarterStartMonth(const QString& quarter);
// The name of the quarter that holds a month (1 to 12).
QString quarterOf(int month);
// A month's 9-character caption over its columns.
QString monthCaption(int month);

// Income and expense in each of the three months and in the total column.
struct QuarterFigures {
    static constexpr int kTotal = 3;
    std::array<Currency, 4> income{};
    std::array<Currency, 4> expense{};

    QuarterFigures& operator+=(const QuarterFigures& other);
};

struct QuarterHead {
    QString name;
    QuarterFigures figures;
};

// One quarter's statement of the chosen institutions, computed once and
// written by any route. The total column runs from April to the end of the
// quarter.
struct QuarterlyDocument {
    QString title;            // the institution's quarterly heading
    QString place;            // its place line
    QString quarter;          // the quarter's name in capitals
    QDate yearStart;
    QDate yearEnd;
    bool lines = false;
    std::array<int, 3> months{};
    QList<QuarterHead> heads;
    QuarterFigures totals;
    // The cash at the start and end of each month and of the total column.
    std::array<Currency, 4> openings{};
    std::array<Currency, 4> closings{};
};

} // namespace pellam::app
