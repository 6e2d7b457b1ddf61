#include "app/DamagedVouchers.h"
#include "app/data/TestBooks.h"
#include "data/UnreadableVouchers.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::data;
using namespace pellam::test;

namespace {

const FinancialYear kYear = FinancialYear::beginningIn(2026);

// The message requireReadableBooks refuses the books with; empty when it
// lets them be read.
QString refusal(db::Connection& conn)
{
    try {
        requireReadableBooks(conn, kYear);
    } catch (const PellamError& e) {
        return QString::number(e.Number()) + QStringLiteral(": ") + e.Description();
    }
    return {};
}

} // namespace

TEST(UnreadableVouchers, NewBooksRefuseThemOnInsertAndUpdate)
{
    TestBooks books;
    books.addVoucher(1, 1, 1, QStringLiteral("2026-04-01"));
    books.addVoucher(1, 1, 1, QStringLiteral("2027-03-31"), 1);
    books.addVoucher(0, 1, 1); // kept before the books had any institution
    for (const DamagedVoucher& damaged : kDamagedVouchers) {
        // A date outside the year is the one fault the books cannot know:
        // their template serves every year.
        if (QByteArray(damaged.what) == "a day after the year")
            continue;
        EXPECT_EQ(errorNumberOf([&] { addDamagedVoucher(books.conn, damaged); }), StatementFailed) << damaged.what;
        EXPECT_EQ(errorNumberOf([&] {
                      books.conn.execute(QStringLiteral("update journal set (shopid, debitaccid, creditaccid, joudate, amount) "
                                                        "= (%1) where jousrlno = 1")
                                             .arg(QLatin1String(damaged.values)));
                  }),
                  StatementFailed)
            << damaged.what;
    }
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from journal")), 3);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from journal where joudate = '2026-04-01' and amount = 10000")), 1);
    EXPECT_EQ(refusal(books.conn), QString());
}

TEST(UnreadableVouchers, BooksMadeElsewhereNameEachByItsJournalNumber)
{
    TestBooks books;
    unguardJournal(books.conn);
    books.addVoucher(1, 1, 1);
    for (const DamagedVoucher& damaged : kDamagedVouchers) {
        const qint64 jouNo = addDamagedVoucher(books.conn, damaged);
        const UnreadableVouchers found = findUnreadableVouchers(books.conn, kYear);
        EXPECT_EQ(found.message(), unreadableMessage(jouNo, damaged)) << damaged.what;
        EXPECT_EQ(refusal(books.conn), QStringLiteral("3421: ") + unreadableMessage(jouNo, damaged)) << damaged.what;
        books.conn.execute(QStringLiteral("delete from journal where jousrlno = ?"), {jouNo});
        EXPECT_TRUE(findUnreadableVouchers(books.conn, kYear).isEmpty()) << damaged.what;
    }
    // Books of the year before read the same voucher dates as their own.
    books.conn.execute(QStringLiteral("update journal set joudate = '2025-04-01'"));
    EXPECT_TRUE(findUnreadableVouchers(books.conn, FinancialYear::beginningIn(2025)).isEmpty());
    EXPECT_FALSE(findUnreadableVouchers(books.conn, kYear).isEmpty());
}

TEST(UnreadableVouchers, OneMessageGivesEachFaultWithItsFirstTenNumbers)
{
    TestBooks books;
    unguardJournal(books.conn);
    books.addVoucher(1, 1, 1); // 1 is readable
    for (int i = 0; i < 12; ++i)
        books.addVoucher(1, 1, 1, QStringLiteral("2026-09-31")); // 2 to 13
    books.addVoucher(1, 1, 1);
    books.conn.execute(QStringLiteral("update journal set amount = 'nil' where jousrlno = 14"));
    books.addVoucher(9, 999, 1); // 15 names neither
    books.conn.execute(QStringLiteral("update journal set creditaccid = 'CASH' where jousrlno = 3"));

    EXPECT_EQ(findUnreadableVouchers(books.conn, kYear).message().toStdString(),
              QStringLiteral("Some vouchers cannot be read; no report is made until they are corrected. "
                             "Journal numbers 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 and 2 more: the date is not a day of the "
                             "financial year 2026-2027. "
                             "Journal number 14: the amount is not a whole number of paise. "
                             "Journal numbers 3, 15: a ledger head is not in the books. "
                             "Journal number 15: the institution is not in the books.")
                  .toStdString());
}

TEST(UnreadableVouchers, AFileWithoutTheBooksIsRefusedAsTheStartUpChecksSay)
{
    TestBooks books;
    for (const char* removed : {"journal", "organization"}) {
        const QString file = books.dir.filePath(QStringLiteral("other.db"));
        db::Connection other;
        other.Open(file, false);
        writeNewBooks(other);
        other.executeScript(QStringLiteral("drop view journalview; drop view accopen; drop table %1;").arg(QLatin1String(removed)));
        EXPECT_EQ(refusal(other),
                  QStringLiteral("-2147467259: The file %1 does not hold the books of a financial year: it has no table %2.")
                      .arg(file, QLatin1String(removed)))
            << removed;
        other.Close();
        QFile::remove(file);
    }
}
