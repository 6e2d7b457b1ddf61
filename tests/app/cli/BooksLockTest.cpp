#include "VoucherBooks.h"

#include "support/QtPrinters.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

using Result = test::ToolResult;

const QString kLocked = QStringLiteral(
    "The books are locked up to 30/09/2026: a voucher dated on or before it cannot be added, changed or deleted.");

// The books of 2026-2027 with a voucher of September (1) and one of October
// (2), locked up to 30 September.
struct LockedBooks : test::VoucherBooks {
    LockedBooks()
    {
        for (const char* date : {"10/09/2026", "10/10/2026"})
            EXPECT_EQ(add(QLatin1String(date)).code, 0);
        EXPECT_EQ(run({QStringLiteral("lock"), QStringLiteral("--until"), QStringLiteral("30/09/2026")}).out,
                  QStringLiteral("Locked the books of 2026-2027 up to 30/09/2026\n"));
    }
    Result add(const QString& date)
    {
        return run({QStringLiteral("voucher"), QStringLiteral("add"), QStringLiteral("--date"), date,
                    QStringLiteral("--shop"), QStringLiteral("1"), QStringLiteral("--receipt"), QStringLiteral("--head"),
                    QStringLiteral("FEE"), QStringLiteral("--amount"), QStringLiteral("10")});
    }
    qint64 vouchers() { return count(QStringLiteral("select count(*) from journal")); }
};

} // namespace

TEST_F(LockedBooks, NoRouteAddsChangesOrDeletesAVoucherOnALockedDay)
{
    struct Case {
        const char* what;
        QStringList arguments;
    };
    const Case cases[] = {
        {"add on the lock date", {"voucher", "add", "--date", "30/09/2026", "--shop", "1", "--receipt", "--head", "FEE",
                                  "--amount", "10"}},
        {"edit a locked voucher", {"voucher", "edit", "1", "--amount", "20"}},
        {"move an open voucher onto a locked day", {"voucher", "edit", "2", "--date", "01/09/2026"}},
        {"move a locked voucher out", {"voucher", "edit", "1", "--date", "01/10/2026"}},
        {"delete a locked voucher", {"voucher", "delete", "1", "--yes"}},
    };
    const QString before = row(1) + row(2);
    for (const Case& c : cases) {
        const Result result = run(c.arguments);
        EXPECT_EQ(result.code, 1) << c.what;
        EXPECT_EQ(result.err, QStringLiteral("pellam: %1\n").arg(kLocked)) << c.what;
    }
    EXPECT_EQ(row(1) + row(2), before);
    EXPECT_EQ(vouchers(), 2);

    EXPECT_EQ(add(QStringLiteral("01/10/2026")).code, 0) << "the day after the lock is open";
    EXPECT_EQ(run({QStringLiteral("voucher"), QStringLiteral("delete"), QStringLiteral("2"), QStringLiteral("--yes")}).code, 0);
}

TEST_F(LockedBooks, AnImportWithARowOnALockedDayStoresNothing)
{
    const QString csv = home.file(QStringLiteral("late.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("date,institution,type,head,amount\n01/10/2026,1,R,FEE,5\n29/09/2026,1,R,FEE,5\n");
    file.close();
    const Result result = run({QStringLiteral("import"), QStringLiteral("vouchers"), csv});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("%1:3: %2\npellam: 1 row refused; nothing was imported from %1\n").arg(csv, kLocked));
    EXPECT_EQ(vouchers(), 2);
}

TEST_F(LockedBooks, TheBooksThemselvesRefuseAVoucherOnALockedDay)
{
    // Whatever program writes the books.
    for (const char* sql : {"insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                            "values(1, 1, 8, '2026-09-30', 5)",
                            "update journal set amount = 1 where jousrlno = 1",
                            "update journal set joudate = '2026-09-01' where jousrlno = 2",
                            "delete from journal where jousrlno = 1"})
        EXPECT_THROW(conn.execute(QLatin1String(sql)), PellamError) << sql;
    EXPECT_EQ(vouchers(), 2);
    conn.execute(QStringLiteral("update journal set amount = 7 where jousrlno = 2"));
}

TEST_F(LockedBooks, TheLockIsShownMovedAndCleared)
{
    const auto lock = [this](const QStringList& options) {
        return run(QStringList{QStringLiteral("lock")} + options);
    };
    EXPECT_EQ(lock({QStringLiteral("--show")}).out, QStringLiteral("The books of 2026-2027 are locked up to 30/09/2026\n"));
    const Result outside = lock({QStringLiteral("--until"), QStringLiteral("31/03/2026")});
    EXPECT_EQ(outside.code, 2);
    EXPECT_EQ(outside.err, QStringLiteral("pellam: The books can be locked up to a day of the financial year 2026-2027 "
                                          "(01/04/2026 to 31/03/2027) only.\n"));
    EXPECT_EQ(lock({QStringLiteral("--show"), QStringLiteral("--clear")}).err,
              QStringLiteral("pellam: lock needs one of --until D, --show, --clear\n"));
    EXPECT_EQ(lock({QStringLiteral("--clear")}).out, QStringLiteral("The books of 2026-2027 are no longer locked\n"));
    EXPECT_EQ(lock({QStringLiteral("--show")}).out, QStringLiteral("The books of 2026-2027 are not locked\n"));
    EXPECT_EQ(run({QStringLiteral("voucher"), QStringLiteral("delete"), QStringLiteral("1"), QStringLiteral("--yes")}).code, 0);
}
