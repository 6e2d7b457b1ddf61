#pragma once

// Small books for the statements: the cash account and four heads, two
// institutions with cash openings, and vouchers in April, December, January
// and March, one of them between two heads without cash.
#include "LedgerFixture.h"

namespace pellam::test {

enum StatementHead { StCash = 1, StDonations = 2, StFees = 3, StSalaries = 4, StRepairs = 5 };

struct StatementBooks : AppTestBooks {
    StatementBooks() : AppTestBooks(true, QDate(2026, 4, 1))
    {
        db::Connection& c = conn();
        c.execute(QStringLiteral("update organization set shopName = ?, Place = ?, PinCode = ?, Qname = ?, MonName = ?"
                                 " where ShopId = 1"),
                  {QStringLiteral("ST. MARY'S SCHOOL"), QStringLiteral("ARAVURAM"), QStringLiteral("680100"),
                   QStringLiteral("ST. MARY'S SCHOOL QUARTERLY ACCOUNTS"),
                   QStringLiteral("ST. MARY'S SCHOOL STATEMENT OF ACCOUNTS")});
        c.execute(QStringLiteral("insert into organization(ShopId, shopName, Place, Qname, MonName) values(2, ?, ?, ?, ?)"),
                  {QStringLiteral("PELLAM DISPENSARY"), QStringLiteral("KOCHI"),
                   QStringLiteral("DISPENSARY QUARTERLY ACCOUNTS"), QStringLiteral("DISPENSARY STATEMENT")});
        const auto head = [&](int accno, const char* code, const char* name) {
            c.execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(?, ?, ?)"),
                      {accno, QString::fromLatin1(code), QString::fromLatin1(name)});
        };
        head(StDonations, "DON", "DONATIONS");
        head(StFees, "FEE", "TUITION FEES RECEIVED FROM THE PARENTS"); // longer than its column
        head(StSalaries, "SAL", "SALARIES");
        head(StRepairs, "REP", "REPAIRS"); // no vouchers at all
        for (const auto& [accno, shop] : {std::pair{StCash, 2}, {StDonations, 1}, {StDonations, 2}, {StFees, 1},
                                          {StSalaries, 1}, {StSalaries, 2}, {StRepairs, 2}})
            c.execute(QStringLiteral("insert or ignore into shopacc(accno, Shopid) values(?, ?)"), {accno, shop});
        const auto opening = [&](int accno, int shop, qint64 paise, const char* type) {
            c.execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype)"
                                     " values(?, ?, ?, ?)"),
                      {accno, shop, paise, QString::fromLatin1(type)});
        };
        c.execute(QStringLiteral("delete from accountopening where accno = ?"), {StCash});
        opening(StCash, 1, 1000000, "D");   // 10,000.00 in hand at the school
        opening(StCash, 2, 250000, "C");    // 2,500.00 overdrawn at the dispensary
        opening(StDonations, 1, 500000, "C"); // openings of other heads never count
        const auto voucher = [&](int shop, int debit, int credit, const char* date, qint64 paise) {
            c.execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount)"
                                     " values(?, ?, ?, ?, ?)"),
                      {shop, debit, credit, QString::fromLatin1(date), paise});
        };
        voucher(1, StCash, StDonations, "2026-04-05", 150000);      // receipt 1,500.00
        voucher(1, StSalaries, StCash, "2026-04-30", 80000);        // payment   800.00
        voucher(2, StCash, StDonations, "2026-04-15", 20000);       // receipt   200.00
        voucher(1, StCash, StFees, "2026-12-01", 12345678);         // receipt 1,23,456.78
        voucher(2, StSalaries, StCash, "2026-12-31", 4550);         // payment    45.50
        voucher(1, StCash, StDonations, "2027-01-10", 100000);      // receipt 1,000.00
        voucher(1, StSalaries, StDonations, "2027-01-20", 30000);   // no cash   300.00
        voucher(2, StSalaries, StCash, "2027-03-01", 60000);        // payment   600.00
        voucher(1, StCash, StFees, "2027-03-31", 5);                // receipt     0.05
        app::state().CashAccNo = StCash;
    }
};

} // namespace pellam::test
