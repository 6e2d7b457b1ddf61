#pragma once

// Vouchers that the reports cannot read alike, as books made by another
// program or edited by hand may hold them, with the message that names them.
#include "data/YearBooks.h"
#include "database/Connection.h"

#include <QStringList>

namespace pellam::test {

// Gives open books the journal of an older version or another program: the
// same columns and vouchers, without the checks and triggers that refuse
// unreadable vouchers.
inline void unguardJournal(db::Connection& conn)
{
    conn.executeScript(QStringLiteral(
        "drop view if exists journalview;"
        "create table unguarded(jousrlno integer primary key autoincrement, shopid integer not null, "
        "debitaccid integer not null, creditaccid integer not null, joudate date not null, amount integer not null, "
        "narration text collate nocase, billno text(7) collate nocase, userid text collate nocase);"
        "insert into unguarded select * from journal;"
        "drop table journal;"
        "alter table unguarded rename to journal;"));
    data::createSchema(conn); // its indexes and views again
    QStringList triggers;
    for (db::RecordSet rs = conn.query(
             QStringLiteral("select name from sqlite_master where type = 'trigger' and tbl_name = 'journal'"));
         !rs.eof(); rs.MoveNext())
        triggers << rs.toString(QStringLiteral("name"));
    for (const QString& name : triggers)
        conn.execute(QStringLiteral("drop trigger \"%1\"").arg(name));
}

// One damaged voucher of the books of 2026-2027, whose institution 1 and
// cash account 1 exist and whose institution 9 and head 999 do not.
struct DamagedVoucher {
    const char* what;
    const char* values; // shopid, debitaccid, creditaccid, joudate, amount
    const char* fault;  // as the message names it
};

inline const DamagedVoucher kDamagedVouchers[] = {
    {"a date that is no day", "1, 1, 1, '2025-13-45', 100", "the date is not a day of the financial year 2026-2027"},
    {"a day after the year", "1, 1, 1, '2027-04-01', 100", "the date is not a day of the financial year 2026-2027"},
    {"a day written otherwise", "1, 1, 1, '01/05/2026', 100", "the date is not a day of the financial year 2026-2027"},
    {"a day past its month's end", "1, 1, 1, '2026-09-31', 100", "the date is not a day of the financial year 2026-2027"},
    {"an amount in words", "1, 1, 1, '2026-05-01', 'twelve'", "the amount is not a whole number of paise"},
    {"an amount in part paise", "1, 1, 1, '2026-05-01', 12.5", "the amount is not a whole number of paise"},
    {"a missing ledger head", "1, 1, 999, '2026-05-01', 100", "a ledger head is not in the books"},
    {"a missing institution", "9, 1, 1, '2026-05-01', 100", "the institution is not in the books"},
};

// Adds the voucher; its journal number.
inline qint64 addDamagedVoucher(db::Connection& conn, const DamagedVoucher& voucher)
{
    conn.execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) values(%1)")
                     .arg(QLatin1String(voucher.values)));
    return conn.lastInsertId();
}

// What the checks and every report say of books whose one unreadable
// voucher is `jouNo`.
inline QString unreadableMessage(qint64 jouNo, const DamagedVoucher& voucher)
{
    return QStringLiteral("Some vouchers cannot be read; no report is made until they are corrected. "
                          "Journal number %1: %2.")
        .arg(jouNo)
        .arg(QLatin1String(voucher.fault));
}

} // namespace pellam::test
