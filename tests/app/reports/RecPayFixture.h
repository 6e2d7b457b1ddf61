#pragma once

// The ledger's small books with receipt and payment headings and a cash
// opening in the dispensary only, so that the school's cash book finds its
// cash account without an opening row.
#include "LedgerFixture.h"
#include "reports/ReportChoices.h"

namespace pellam::test {

struct RecPayBooks : LedgerBooks {
    RecPayBooks()
    {
        db::Connection& c = conn();
        c.execute(QStringLiteral("update organization set RecName = ? where ShopId = 1"),
                  {QStringLiteral("ST. MARY'S SCHOOL RECEIPTS & PAYMENTS")});
        c.execute(QStringLiteral("update organization set RecName = ? where ShopId = 2"),
                  {QStringLiteral("DISPENSARY CASH BOOK")});
        c.execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(?, 2, 10000, 'D')"),
                  {Cash});
    }

    // Both institutions, 01/05/2026 to 31/03/2027.
    static app::ReportChoices request()
    {
        app::ReportChoices r;
        r.shops = {1, 2};
        r.from = QDate(2026, 5, 1);
        r.to = QDate(2027, 3, 31);
        return r;
    }
};

} // namespace pellam::test
