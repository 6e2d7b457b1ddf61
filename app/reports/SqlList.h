#pragma once

#include "database/Connection.h"
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

// A column of the vouchers that a report shows only when chosen (the
// narration, the bill number): read when it is, Null otherwise, so that a
// long walk neither reads nor sorts what it does not show.
inline QString shownColumn(bool shown, const QString& column)
{
    return shown ? column : QStringLiteral("null");
}

// Every head's name by its number, printable(), read once for a walk that
// names a head on each of its rows: as many names as the books have heads,
// however many rows.
class HeadNames {
public:
    explicit HeadNames(db::Connection& conn)
    {
        for (db::Cursor rs = conn.cursor(QStringLiteral("select accno, accountname from account")); !rs.eof(); rs.MoveNext())
            names_.insert(rs.toInt(0), printable(rs.toString(1)));
    }
    // Empty for a head the books do not have.
    QString operator()(qint64 accNo) const { return names_.value(accNo); }

private:
    QHash<qint64, QString> names_;
};

} // namespace pellam::app
