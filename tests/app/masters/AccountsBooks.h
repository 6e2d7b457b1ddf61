#pragma once

// This year's books open as the program's own, with helpers that add ledger
// heads, institutions, vouchers and heads-in-use pairs by plain statements.
#include "app/AppTestBooks.h"

namespace pellam::test {

struct AccountsBooks : AppTestBooks {
    static constexpr qint64 kCash = 1; // the cash account of new books

    qint64 addHead(const QString& code, const QString& name)
    {
        conn().execute(QStringLiteral("insert into account(AccCode, AccountName, Remarks) values(?, ?, '')"), {code, name});
        return conn().lastInsertId();
    }
    void addInstitution(qint64 shopId, const QString& name)
    {
        conn().execute(QStringLiteral("insert into organization(ShopId, shopName) values(?, ?)"), {shopId, name});
    }
    // A receipt debits the cash account, a payment credits it.
    void addReceipt(qint64 shopId, qint64 head, qint64 paise, const QString& isoDate = QStringLiteral("2026-05-01"))
    {
        addVoucher(shopId, kCash, head, paise, isoDate);
    }
    void addPayment(qint64 shopId, qint64 head, qint64 paise, const QString& isoDate = QStringLiteral("2026-05-01"))
    {
        addVoucher(shopId, head, kCash, paise, isoDate);
    }
    void addVoucher(qint64 shopId, qint64 debit, qint64 credit, qint64 paise, const QString& isoDate)
    {
        conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration, "
                                      "billno, userid) values(?, ?, ?, ?, ?, '', '', 'MERION')"),
                       {shopId, debit, credit, isoDate, paise});
    }
    void listHead(qint64 shopId, qint64 accno)
    {
        conn().execute(QStringLiteral("insert into shopacc(Shopid, accno) values(?, ?)"), {shopId, accno});
    }
    // The heads listed for an institution, by number.
    QList<qint64> listedHeads(qint64 shopId)
    {
        QList<qint64> out;
        for (db::RecordSet rs = conn().query(QStringLiteral("select accno from shopacc where Shopid=? order by accno"),
                                             {shopId});
             !rs.eof(); rs.MoveNext())
            out.append(rs.toInt(QStringLiteral("accno")));
        return out;
    }
};

} // namespace pellam::test
