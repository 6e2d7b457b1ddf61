// A voucher is stored whole or not at all, even when the program is killed
// in the middle of a save; two programs saving into the same books at once
// each wait their turn; and no restore replaces the books under a program
// saving into them. The saving programs are this test program itself,
// started again to run only the saver below.
#include "app/data/TestBooks.h"
#include "data/FinancialYear.h"
#include "data/VoucherStore.h"
#include "yearend/BackupCopy.h"
#include "yearend/BackupRestore.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>

using namespace pellam;
using data::VoucherStore;

namespace {

constexpr int kCash = 1;
// Each voucher of a killed saver uses a head of its own from here on, so
// that its shopacc pair shows whether the save was cut in two.
constexpr int kFirstOwnHead = 1000;

std::unique_ptr<QProcess> startSaver(const QString& books, int count, bool ownHeads)
{
    auto saver = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PELLAM_SAVER_BOOKS"), books);
    env.insert(QStringLiteral("PELLAM_SAVER_COUNT"), QString::number(count));
    if (ownHeads)
        env.insert(QStringLiteral("PELLAM_SAVER_OWN_HEADS"), QStringLiteral("1"));
    saver->setProcessEnvironment(env);
    saver->setProcessChannelMode(QProcess::SeparateChannels);
    saver->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_also_run_disabled_tests"),
                  QStringLiteral("--gtest_filter=VoucherSaver.DISABLED_SavesVouchers")});
    return saver;
}

// Reads the numbers of the vouchers the saver has committed until `wanted`
// more came; the number of the last one.
qint64 readSaved(QProcess& saver, int wanted)
{
    qint64 last = 0;
    int lines = 0;
    while (lines < wanted && saver.waitForReadyRead(10000))
        while (saver.canReadLine()) {
            // The saver prints each number among the test framework's own lines.
            bool number = false;
            const qint64 saved = saver.readLine().trimmed().toLongLong(&number);
            if (number) {
                last = saved;
                ++lines;
            }
        }
    EXPECT_GE(lines, wanted) << saver.readAllStandardError().toStdString();
    return last;
}

} // namespace

// The saving program; run only by the tests below.
TEST(VoucherSaver, DISABLED_SavesVouchers)
{
    const QString books = qEnvironmentVariable("PELLAM_SAVER_BOOKS");
    const int count = qEnvironmentVariableIntValue("PELLAM_SAVER_COUNT");
    const bool ownHeads = qEnvironmentVariableIsSet("PELLAM_SAVER_OWN_HEADS");
    ASSERT_FALSE(books.isEmpty());
    db::Connection conn;
    conn.OpenHeld(books); // as the program opens its books
    VoucherStore store(conn);
    qint64 saved = conn.scalar(QStringLiteral("select count(*) from journal")).toLongLong();
    for (int i = 0; count == 0 || i < count; ++i) {
        const int head = ownHeads ? int(kFirstOwnHead + saved) : 2;
        // A voucher names a head of the books, as the voucher window's do.
        if (ownHeads)
            conn.execute(QStringLiteral("insert or ignore into account(accno, AccCode, AccountName) values(?, ?, 'OWN')"),
                         {head, QStringLiteral("H%1").arg(head)});
        data::Voucher v;
        v.shopId = 1;
        v.debit = head;
        v.credit = kCash;
        v.date = QDate(2026, 6, 1);
        v.amount = Currency::fromPaise(12345);
        v.narration = QStringLiteral("SAVED BY PROCESS %1").arg(QCoreApplication::applicationPid());
        v.userId = QStringLiteral("MERION");
        store.save(v, std::nullopt, head);
        std::printf("%lld\n", ++saved);
        std::fflush(stdout);
    }
}

TEST(ConcurrentSave, AKilledSaveLeavesEachVoucherWhollyThereOrWhollyAbsent)
{
    test::TestBooks books;
    books.conn.Close();
    qint64 confirmed = 0;
    for (int round = 0; round < 4; ++round) {
        auto saver = startSaver(books.file, 0, true);
        ASSERT_TRUE(saver->waitForStarted());
        // Let it save a few vouchers, then kill it at some moment of the next.
        confirmed = readSaved(*saver, 3 + QRandomGenerator::global()->bounded(30));
        if (HasFailure())
            return;
        QThread::usleep(QRandomGenerator::global()->bounded(3000));
        saver->kill();
        saver->waitForFinished();
    }
    books.conn.Open(books.file);
    EXPECT_EQ(books.conn.scalar(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
    const qint64 vouchers = books.count(QStringLiteral("select count(*) from journal"));
    EXPECT_GE(vouchers, confirmed) << "every save that was reported is in the books";
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from journal j where not exists "
                                         "(select 1 from shopacc s where s.accno=j.debitaccid and s.shopid=j.shopid)")),
              0);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from shopacc s where accno>=? and not exists "
                                         "(select 1 from journal j where j.debitaccid=s.accno)"),
                          {kFirstOwnHead}),
              0);
}

TEST(ConcurrentSave, TwoProgramsSavingAtOnceLoseNothing)
{
    constexpr int kEach = 2000;
    test::TestBooks books;
    ASSERT_EQ(books.addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS")), 2);
    auto first = startSaver(books.file, kEach, false);
    auto second = startSaver(books.file, kEach, false);
    for (QProcess* saver : {first.get(), second.get()}) {
        ASSERT_TRUE(saver->waitForFinished(120000));
        EXPECT_EQ(saver->exitCode(), 0) << saver->readAllStandardOutput().right(2000).toStdString();
    }
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from journal")), 2 * kEach);
    EXPECT_EQ(books.count(QStringLiteral("select count(distinct narration) from journal")), 2);
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from shopacc where accno=2")), 1);
}

TEST(ConcurrentSave, ARestoreIsRefusedWhileAProgramSavesIntoTheBooksAndLosesNoVoucher)
{
    test::TestBooks books;
    ASSERT_EQ(books.addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS")), 2);
    const QString backup = books.dir.filePath(QStringLiteral("empty_2627.bak"));
    yearend::copyYearDatabase(books.file, backup);
    books.conn.Close();
    yearend::BackupRestore restore(books.conn, books.file, data::FinancialYear::beginningIn(2026),
                                   books.dir.filePath(QStringLiteral("BackUp")));
    restore.prepare(backup);

    auto saver = startSaver(books.file, 0, false);
    ASSERT_TRUE(saver->waitForStarted());
    readSaved(*saver, 5);
    try {
        restore.restore();
        ADD_FAILURE() << "the books were replaced under a program saving into them";
    } catch (const PellamError& e) {
        EXPECT_EQ(e.Number(), DatabaseLocked);
        EXPECT_EQ(e.Description(), QStringLiteral("The backup was not restored: the books %1 are open in another "
                                                  "program; close them there and restore again.")
                                       .arg(books.file));
    }
    EXPECT_EQ(books.conn.State(), 1) << "the books are open again";
    const qint64 confirmed = readSaved(*saver, 5);
    saver->kill();
    saver->waitForFinished();
    EXPECT_GE(books.count(QStringLiteral("select count(*) from journal")), confirmed)
        << "every voucher the saver was told was saved is in the books";

    // The killed program's hold went with it: now the restore goes ahead.
    restore.restore();
    EXPECT_EQ(books.count(QStringLiteral("select count(*) from journal")), 0);
}
