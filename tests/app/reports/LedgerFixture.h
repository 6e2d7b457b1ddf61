#pragma once

// Small books for the ledger: the cash account, three heads and two
// institutions, and ten vouchers chosen for the ledger's edge cases.
#include "app/AppTestBooks.h"
#include "core/FrmPreview.h"
#include "reports/LedgerData.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace pellam::test {

enum FixtureHead { Cash = 1, Donations = 2, Fees = 3, Building = 4 };

struct LedgerBooks : AppTestBooks {
    LedgerBooks() : AppTestBooks(true, QDate(2026, 4, 1))
    {
        db::Connection& c = conn();
        c.execute(QStringLiteral("update organization set shopName = ?, Place = ?, PinCode = ?, Ledname = ? where ShopId = 1"),
                  {QStringLiteral("ST. MARY'S SCHOOL"), QStringLiteral("ARAVURAM"), QStringLiteral("680100"),
                   QStringLiteral("ST. MARY'S SCHOOL LEDGER")});
        c.execute(QStringLiteral("insert into organization(ShopId, shopName, Place, Ledname) values(2, ?, ?, ?)"),
                  {QStringLiteral("PELLAM DISPENSARY"), QStringLiteral("KOCHI"), QStringLiteral("DISPENSARY LEDGER")});
        const auto head = [&](int accno, const char* code, const char* name) {
            c.execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(?, ?, ?)"),
                      {accno, QString::fromLatin1(code), QString::fromLatin1(name)});
        };
        head(Donations, "DON", "DONATIONS");
        head(Fees, "FEE", "ST. MARY'S FEES");
        head(Building, "BLD", "BUILDING FUND");
        for (const auto& [accno, shop] : {std::pair{1, 2}, {Donations, 1}, {Donations, 2}, {Fees, 1}, {Fees, 2},
                                          {Building, 1}})
            c.execute(QStringLiteral("insert or ignore into shopacc(accno, Shopid) values(?, ?)"), {accno, shop});
        const auto opening = [&](int accno, int shop, qint64 paise, const char* type) {
            c.execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(?, ?, ?, ?)"),
                      {accno, shop, paise, QString::fromLatin1(type)});
        };
        opening(Donations, 1, 500000, "C");
        opening(Donations, 2, 100000, "D");
        opening(Fees, 1, 250050, "D");
        const auto voucher = [&](int shop, int debit, int credit, const char* date, qint64 paise,
                                 const QVariant& narration, const QVariant& bill) {
            c.execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration, billno)"
                                     " values(?, ?, ?, ?, ?, ?, ?)"),
                      {shop, debit, credit, QString::fromLatin1(date), paise, narration, bill});
        };
        const QVariant none;
        // Before the period: only in the openings.
        voucher(1, Cash, Donations, "2026-04-10", 100000, none, none);                                 // 1
        voucher(2, Fees, Cash, "2026-04-20", 25000, none, none);                                       // 2
        // In the period.
        voucher(1, Cash, Donations, "2026-05-01", 123456750, QStringLiteral("RECEIVED FROM ST. MARY'S PARISH"),
                QStringLiteral("B-101"));                                                              // 3: 33
        voucher(2, Fees, Cash, "2026-05-02", 50000, QStringLiteral("PAID FOR UNIFORMS TO THE TAILORS"),
                none);                                                                                 // 4: 34
        voucher(1, Donations, Fees, "2026-06-15", 10000, QStringLiteral("  "), QStringLiteral(""));    // 5
        voucher(1, Fees, Fees, "2026-07-01", 7500, none, none);                                        // 6
        voucher(2, Cash, Donations, "2026-08-31", 20000000,
                QStringLiteral("ANNUAL DONATION FROM THE OLD STUDENTS ASSOCIATION FOR THE NEW LIBRARY BUILDING"),
                QStringLiteral("1234567"));                                                            // 7
        voucher(1, Fees, Cash, "2026-09-09", 99, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 END"),
                none);                                                                                 // 8
        voucher(2, Cash, Fees, "2026-10-10", 30000, none, QStringLiteral("77"));                       // 9
        voucher(1, Cash, Donations, "2027-03-31", 5000, none, none);                                   // 10
        // The period ends with the year, and a voucher after the year is
        // one the reports refuse to read.
        app::state().CashAccNo = Cash;
    }

    // Every head, both institutions, 01/05/2026 to 31/03/2027.
    static app::LedgerRequest request()
    {
        app::LedgerRequest r;
        r.shops = {1, 2};
        r.heads = {Cash, Donations, Fees, Building};
        r.from = QDate(2026, 5, 1);
        r.to = QDate(2027, 3, 31);
        return r;
    }
};

// An expected output file, next to this header's folder.
inline QString expected(const QString& name)
{
    QString source = QString::fromUtf8(__FILE__);
    if (QFileInfo(source).isRelative())
        source = QCoreApplication::applicationDirPath() + QStringLiteral("/../tests/") + source;
    QFile file(QFileInfo(source).dir().filePath(QStringLiteral("expected/") + name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing expected file>");
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The preview windows opened since `before` was taken.
inline QList<app::FrmPreview*> previewsSince(const QList<QWidget*>& before)
{
    QList<app::FrmPreview*> found;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* p = qobject_cast<app::FrmPreview*>(w); p && !before.contains(w))
            found << p;
    return found;
}

// The one preview window opened since `before`, with its caption and the
// text of an expected file; closed once checked.
inline void expectOnePreview(const QList<QWidget*>& before, const QString& caption, const char* expectedFile)
{
    const QList<app::FrmPreview*> shown = previewsSince(before);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), caption);
    EXPECT_EQ(QString::fromUtf8(fileBytes(shown[0]->fileName())), expected(QString::fromLatin1(expectedFile)));
    delete shown[0];
}

} // namespace pellam::test
