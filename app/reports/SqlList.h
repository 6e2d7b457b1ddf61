#pragma once

#include "format/PrintableText.h"

#include <QDate>
#include <QHash>
#include <QStringList>
#include <QVariantList>

namespace pellam::app {

// "?,?,?" for a list of values bound in order.
inline QString marks(qsizetype count)
{
    QStringList list;
    for (qsizetype i = 0; i < count; ++i)
        list << QStringLiteral("?");
    return list.join(QLatin1Char(','));
}

template <class T>
QVariantList values(const QList<T>& list)
{
    QVariantList out;
    for (const T& v : list)
        out << QVariant::fromValue(v);
    return out;
}

// The institutions whose vouchers, openings and heads a report counts, as
// bound values: the chosen ones and institution 0, under which the voucher
// window keeps what was entered before the books had any institution. Only
// the figures count institution 0; titles follow the choice alone.
class CountedShops {
public:
    explicit CountedShops(const QList<qint64>& chosen) : values_(QVariantList{0} + app::values(chosen)) {}
    // "?,?" for an "in (...)" list.
    QString marks() const { return app::marks(values_.size()); }
    const QVariantList& values() const { return values_; }

private:
    QVariantList values_;
};

// A date as the books store it.
inline QString iso(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

// The first day of each month-long slice of the period from `from` to `to`
// and its last day, in turn: long periods are read a month at a time, so
// that only a month of rows is held at once.
template <class Fn>
void eachMonth(const QDate& from, const QDate& to, Fn&& fn)
{
    for (QDate start = from; start.isValid() && start <= to;) {
        const QDate end = std::min(to, QDate(start.year(), start.month(), start.daysInMonth()));
        fn(start, end);
        start = end.addDays(1);
    }
}

// One copy of each text from the books (a head's name, a narration or bill
// number that recurs), shared by every line that shows it: a long report
// holds mostly the same few texts. The copy is printable(): every layout
// then wraps, trims and cuts it as it will be printed.
class TextPool {
public:
    QString operator()(const QString& text)
    {
        const auto it = texts_.constFind(text);
        return it != texts_.constEnd() ? *it : *texts_.insert(text, printable(text));
    }

private:
    QHash<QString, QString> texts_;
};

} // namespace pellam::app
