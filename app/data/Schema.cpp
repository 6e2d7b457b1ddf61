#include "data/YearBooks.h"

#include <optional>

namespace pellam::data {

namespace {

// Amounts are whole paise; dates are 'YYYY-MM-DD' text; text compares
// without regard to case, as the books always have. A voucher's date must be
// a real day written that way (it reads back the same through its day
// number, which date() alone does not check: it keeps "2026-02-30") and
// its amount a whole number: a row that is not gets counted by one report and
// skipped by another. The financial year is not part of the journal: the
// template it comes from serves every year, and the checks that find
// unreadable vouchers bound the dates by the year the books are opened for.
// Existing tables keep their definition; only new books get the checks.
const char* const kTables = R"sql(
create table if not exists account(
    accno integer primary key autoincrement,
    AccCode text(10) collate nocase unique,
    AccountName text(30) collate nocase,
    Remarks text collate nocase);
create table if not exists organization(
    ShopId integer primary key,
    shopName text collate nocase,
    Place text collate nocase,
    Post text collate nocase,
    PinCode text collate nocase,
    Ledname text collate nocase,
    RecName text collate nocase,
    Qname text collate nocase,
    MonName text collate nocase);
create table if not exists accountopening(
    accno integer not null,
    shopid integer not null,
    opamt integer not null default 0,
    optype text(1) collate nocase not null default 'C');
create table if not exists journal(
    jousrlno integer primary key autoincrement,
    shopid integer not null,
    debitaccid integer not null,
    creditaccid integer not null,
    joudate date not null constraint journal_date_is_a_day check (date(julianday(joudate)) is joudate),
    amount integer not null constraint journal_amount_in_paise check (typeof(amount) = 'integer'),
    narration text collate nocase,
    billno text(7) collate nocase,
    userid text collate nocase);
create table if not exists shopacc(
    accno integer not null,
    Shopid integer not null,
    primary key (accno, Shopid));
create table if not exists loginuser(
    userid text collate nocase primary key,
    username text collate nocase,
    description text collate nocase,
    userpwd text);
create table if not exists AccUptodate(dtupdate date);
create table if not exists initialize(jouprndefa integer not null default 0);
create table if not exists PostSettings(
    SettingName text collate nocase primary key,
    SettingValue text);
)sql";

// Tables the program added after the books' first layout; books of any age
// get them when they are opened (addMissingTables).
// A ledger head listed in balancehead carries its closing balance into next
// year's openings (an asset or a liability); booksetting keeps the books'
// own settings (the lock date, what the closing found of the carried
// balances), by name. A mapping reads a bank's
// CSV export: the columns named by the bank's header row, the date as the
// bank writes it, and the institution its vouchers go to. Its rules pick a
// head by a text the description holds, the lowest number first; the head
// is kept by code, as the user gives it, so a rule survives a head's
// renumbering and reads the same in next year's books. A user's role says
// what the user may do (Rights); a user without a row is an Accountant.
const char* const kAddedTables = R"sql(
create table if not exists importmapping(
    name text collate nocase primary key,
    datecolumn text not null,
    dateformat text not null,
    creditcolumn text not null,
    debitcolumn text not null,
    narrationcolumn text not null,
    billcolumn text not null default '',
    shopid integer not null);
create table if not exists importrule(
    ruleno integer primary key autoincrement,
    mapping text collate nocase not null,
    contains text collate nocase not null,
    acccode text collate nocase not null);
create table if not exists balancehead(
    accno integer primary key);
create table if not exists booksetting(
    name text collate nocase primary key,
    value text);
create trigger if not exists journal_locked_on_insert before insert on journal
when new.joudate <= (select value from booksetting where name = 'LockedUntil')
begin select raise(abort, 'The books are locked up to a date on or after the voucher''s date.'); end;
create trigger if not exists journal_locked_on_update before update on journal
when old.joudate <= (select value from booksetting where name = 'LockedUntil')
  or new.joudate <= (select value from booksetting where name = 'LockedUntil')
begin select raise(abort, 'The books are locked up to a date on or after the voucher''s date.'); end;
create trigger if not exists journal_locked_on_delete before delete on journal
when old.joudate <= (select value from booksetting where name = 'LockedUntil')
begin select raise(abort, 'The books are locked up to a date on or after the voucher''s date.'); end;
)sql";
// The journal's triggers refuse a voucher on a locked day whatever program
// writes it; the program's own routes say so first, naming the date.
// Their names, to tell whether books have them all.
const char* const kAddedTableNames[] = {"importmapping", "importrule", "balancehead", "booksetting"};

const char* const kRolesTable = R"sql(
create table userrole(
    userid text collate nocase primary key,
    role text not null constraint userrole_known check (role in ('Administrator', 'Accountant', 'Auditor')));
)sql";

// Books kept before users had roles were run by users who could do
// everything: each keeps that as an Administrator.
void addRolesTable(db::Connection& conn)
{
    if (hasTable(conn, QStringLiteral("userrole")))
        return;
    conn.executeScript(QString::fromUtf8(kRolesTable));
    conn.execute(QStringLiteral("insert into userrole(userid, role) select userid, 'Administrator' from loginuser"));
}

// A voucher names an institution and two ledger heads of the books. A check
// cannot look into other tables, and a foreign key holds only where the
// connection turns it on, so triggers refuse the row for every program that
// writes the books, older books included once they are upgraded.
// Institution 0 is where the voucher window keeps what is entered before the
// books have any institution; every report counts it.
const char* const kKnownNamesCondition = R"sql(
    (new.shopid is not 0 and not exists(select 1 from organization where ShopId = new.shopid))
    or not exists(select 1 from account where accno = new.debitaccid)
    or not exists(select 1 from account where accno = new.creditaccid))sql";
const char* const kTriggers = R"sql(
create trigger if not exists journal_names_known_on_insert before insert on journal when %1
begin select raise(abort, '%2'); end;
create trigger if not exists journal_names_known_on_update before update of shopid, debitaccid, creditaccid on journal
when %1
begin select raise(abort, '%2'); end;
)sql";

// Reports ask for a head's vouchers in some institutions up to a date, an
// institution's vouchers in a period, and a head's opening per institution;
// the start-up checks ask whether a head is used in an institution. The
// amount closes the two head indexes so that a head's sums (the accounts
// list's year totals of every head) are read from the index alone.
const char* const kIndexes = R"sql(
create index if not exists journal_debit on journal(debitaccid, shopid, joudate, amount);
create index if not exists journal_credit on journal(creditaccid, shopid, joudate, amount);
create index if not exists journal_shop on journal(shopid, joudate);
create index if not exists journal_date on journal(joudate);
create index if not exists accountopening_head on accountopening(accno, shopid);
create index if not exists accountopening_shop on accountopening(shopid, accno);
create index if not exists shopacc_shop on shopacc(Shopid, accno);
)sql";

// The cash account is named by the PostSettings row 'CashAccNo', not by a
// fixed number or a flag column: the yearly closing copies account and
// PostSettings with their numbers, so the new year knows the same head. The
// view has a row for institution 1 and one for every institution, all naming
// that head, so it gives rows even before any institution exists.
// journalview takes DbAccno and CrAcCno from the voucher itself, so that
// "where dbaccno=..." reaches the journal's indexes.
const char* const kViews = R"sql(
drop view if exists CurCashAccount;
create view CurCashAccount as
    select a.accno as accno, a.AccCode as acccode, a.AccountName as accountname, s.shopid as shopid
    from PostSettings p
    join account a on a.accno = cast(p.SettingValue as integer)
    join (select 1 as shopid union select ShopId from organization) s
    where p.SettingName = 'CashAccNo'
    order by s.shopid;
drop view if exists journalview;
create view journalview as
    select j.jousrlno, j.shopid, j.debitaccid, j.creditaccid, j.joudate, j.amount, j.narration, j.billno, j.userid,
           j.debitaccid as DbAccno, d.AccCode as DbAccode, d.AccountName as dbAccname,
           j.creditaccid as CrAcCno, c.AccCode as CrAcCode, c.AccountName as CrAccname
    from journal j
    left join account d on d.accno = j.debitaccid
    left join account c on c.accno = j.creditaccid;
drop view if exists accopen;
create view accopen as
    select o.ShopId as shopid, o.shopName as shopname, p.accno as accno, p.opamt as opamt, p.optype as optype
    from organization o
    left join accountopening p on p.shopid = o.ShopId;
)sql";

} // namespace

void createSchema(db::Connection& conn)
{
    // All or nothing, inside the caller's transaction when there is one.
    std::optional<db::Transaction> transaction;
    if (!conn.inTransaction())
        transaction.emplace(conn);
    conn.executeScript(QString::fromUtf8(kTables));
    conn.executeScript(QString::fromUtf8(kAddedTables));
    addRolesTable(conn);
    conn.executeScript(QString::fromUtf8(kTriggers).arg(
        QString::fromUtf8(kKnownNamesCondition),
        QStringLiteral("A voucher must name an institution and ledger heads that are in the books.")));
    conn.executeScript(QString::fromUtf8(kIndexes));
    conn.executeScript(QString::fromUtf8(kViews));
    if (transaction)
        transaction->commit();
}

bool hasTable(db::Connection& conn, const QString& name)
{
    return conn.scalar(QStringLiteral("select count(*) from sqlite_master where type = 'table' and name = ?"), {name})
               .toLongLong() > 0;
}

void addMissingTables(db::Connection& conn)
{
    QStringList names{QStringLiteral("'userrole'")};
    for (const char* name : kAddedTableNames)
        names << QLatin1Char('\'') + QLatin1String(name) + QLatin1Char('\'');
    if (conn.scalar(QStringLiteral("select count(*) from sqlite_master where type = 'table' and name in (%1)")
                        .arg(names.join(QLatin1Char(','))))
            .toLongLong() == names.size())
        return;
    std::optional<db::Transaction> transaction;
    if (!conn.inTransaction())
        transaction.emplace(conn);
    conn.executeScript(QString::fromUtf8(kAddedTables));
    addRolesTable(conn);
    if (transaction)
        transaction->commit();
}

} // namespace pellam::data
