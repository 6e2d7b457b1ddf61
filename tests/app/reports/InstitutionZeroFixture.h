#pragma once

#include "StatementFixture.h"

namespace pellam::test {

enum { Gifts = 6 };

// The statement books, and what the voucher window keeps under institution
// 0 ("<None>") while the books have no institution: a cash opening of
// 1,000.00, a head listed for institution 0 alone and a receipt of 700.00
// on it in April.
struct BooksWithInstitutionZero : StatementBooks {
    BooksWithInstitutionZero()
    {
        db::Connection& c = conn();
        c.execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(?, 'GFT', 'GIFTS')"), {Gifts});
        c.execute(QStringLiteral("insert into shopacc(accno, Shopid) values(?, 0)"), {Gifts});
        c.execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(?, 0, 100000, 'D')"),
                  {StCash});
        c.execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration)"
                                 " values(0, ?, ?, '2026-04-02', 70000, 'BEFORE THE SET-UP')"),
                  {StCash, Gifts});
    }
};

} // namespace pellam::test
