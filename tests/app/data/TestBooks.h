#pragma once

// Small year's books for tests: made by createYearBooks, with a few heads,
// institutions and vouchers added through plain statements.

#include "data/YearBooks.h"
#include "database/Connection.h"
#include "errors/PellamError.h"
#include "support/ErrorNumberOf.h"

#include <QTemporaryDir>
#include <functional>

namespace pellam::test {

struct TestBooks {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("account2627.db"));
    db::Connection conn;

    TestBooks()
    {
        data::createYearBooks(file);
        conn.Open(file);
    }

    int addHead(const QString& code, const QString& name)
    {
        conn.execute(QStringLiteral("insert into account(AccCode, AccountName, Remarks) values(?, ?, '')"), {code, name});
        return int(conn.lastInsertId());
    }
    void addInstitution(int shopId, const QString& name)
    {
        conn.execute(QStringLiteral("insert into organization(ShopId, shopName) values(?, ?)"), {shopId, name});
    }
    void addVoucher(int shopId, int debit, int credit, const QString& isoDate = QStringLiteral("2026-05-01"),
                    qint64 paise = 10000)
    {
        conn.execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration, "
                                    "billno, userid) values(?, ?, ?, ?, ?, '', '', 'MERION')"),
                     {shopId, debit, credit, isoDate, paise});
    }
    void addOpening(int accno, int shopId, qint64 paise, const QString& type)
    {
        conn.execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(?, ?, ?, ?)"),
                     {accno, shopId, paise, type});
    }
    qint64 count(const QString& sql, const QVariantList& params = {})
    {
        return conn.scalar(sql, params).toLongLong();
    }
};

} // namespace pellam::test
