#pragma once

// Year's books in a temporary application folder for the closing and the
// restore: a few heads (numbers with gaps), two institutions, users,
// settings, openings and vouchers; and ways to read them back whole.
#include "data/YearBooks.h"
#include "database/Connection.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace pellam::test {

inline QByteArray fileHash(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Every row of `table`, each as its values joined by '|', in key order.
inline QStringList dumpTable(const QString& file, const QString& table)
{
    db::Connection conn;
    conn.Open(file, true, 5000, true);
    db::RecordSet rows = conn.query(QStringLiteral("select * from %1 order by 1, 2").arg(table));
    QStringList out;
    for (; !rows.eof(); rows.MoveNext()) {
        QStringList values;
        for (int i = 0; i < rows.FieldCount(); ++i)
            values << (rows.value(i).isNull() ? QStringLiteral("<null>") : rows.value(i).toString());
        out << values.join(QLatin1Char('|'));
    }
    return out;
}

inline void fillSampleBooks(db::Connection& conn)
{
    conn.executeScript(QStringLiteral(
        "insert into account(accno, AccCode, AccountName, Remarks) values(7, 'SAL', 'SALARY', 'staff');"
        "insert into account(accno, AccCode, AccountName, Remarks) values(12, 'DON', 'DONATIONS', null);"
        "insert into organization values(3, 'ST. MARY''S SCHOOL', 'KOCHI', 'EDAPPALLY', '682024', 'L', 'R', 'Q', 'M');"
        "insert into PostSettings(SettingName, SettingValue) values('Footer', 'Trust office');"
        "insert into loginuser values('ANNA', 'ANNA JOSEPH', 'clerk', 'hash-of-secret');"
        "update accountopening set opamt = 500000 where accno = 1;"
        "insert into accountopening values(7, 1, 12000, 'C'), (12, 1, 0, 'D'), (1, 3, 100, 'D'), (7, 3, 0, 'C'), (12, 3, 0, 'C');"
        "insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration, billno, userid) values"
        " (1, 1, 12, '2008-05-01', 250000, 'Feast', '1', 'ANNA'), (3, 7, 1, '2009-03-31', 1500000, 'March', '2', 'ANNA');"
        "insert into shopacc values(12, 1), (7, 3);"));
}

} // namespace pellam::test
