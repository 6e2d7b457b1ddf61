#pragma once

// The two vouchers the printed fixtures were written from by hand, and the
// fixture files themselves.
#include "vouchers/VoucherLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pellam::test {

inline QByteArray fixture(const QString& name)
{
    // A relative source path is relative to the test's build folder, a
    // sibling of the folder the test program runs from.
    QString source = QString::fromUtf8(__FILE__);
    if (QFileInfo(source).isRelative())
        source = QCoreApplication::applicationDirPath() + QStringLiteral("/../tests/") + source;
    QFile file(QFileInfo(source).dir().filePath(QStringLiteral("fixtures/") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing fixture>");
}

// payment.prn: bill number typed with blanks, words and narration on two lines each.
inline app::PrintedVoucher paymentVoucher()
{
    app::PrintedVoucher v;
    v.shopName = QStringLiteral("ST. MARY'S SCHOOL");
    v.placeLine = QStringLiteral("ARAVURAM - 680100");
    v.payment = true;
    v.billNo = QStringLiteral(" 12 ");
    v.date = QStringLiteral("05/04/2026");
    v.amount = *Currency::parse(u"123456.50");
    v.amountWords = QStringLiteral("One Lakh Twenty Three Thousand Four Hundred Fifty Six and Fifty");
    v.narration = QStringLiteral("PAID TO ST. MARY'S CANTEEN FOR MILK AND TEA");
    v.account = QStringLiteral("MILK & TEA (MLK)");
    return v;
}

// receipt.prn: no bill number, no narration, one line of words.
inline app::PrintedVoucher receiptVoucher()
{
    app::PrintedVoucher v;
    v.shopName = QStringLiteral("PELLAM DISPENSARY");
    v.placeLine = QStringLiteral("KOCHI - 682001");
    v.payment = false;
    v.date = QStringLiteral("31/03/2027");
    v.amount = Currency::fromRupees(100);
    v.amountWords = QStringLiteral("One Hundred ");
    v.account = QStringLiteral("DONATIONS (DON)");
    return v;
}

} // namespace pellam::test
