#include "StatementFixture.h"
#include "reports/JournalSums.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::StatementBooks;

namespace {

qint64 paise(Currency c)
{
    return c.paise();
}

} // namespace

TEST(JournalSums, EarlierMonthsOfTheYearByMonthNumber)
{
    StatementBooks books;
    // The cash received and paid before April (nothing), January (April to
    // December) and March (April to February), and in those months.
    const JournalSums sums(books.conn(), {1, 2},
                           {DateBucket::monthsBefore(4), DateBucket::monthsBefore(1), DateBucket::monthsBefore(3),
                            DateBucket::month(4), DateBucket::month(3)});
    struct Row {
        int bucket;
        qint64 received, paid;
    };
    for (const Row& r : {Row{0, 0, 0}, Row{1, 12515678, 84550}, Row{2, 12615678, 84550}, Row{3, 170000, 80000},
                         Row{4, 5, 60000}}) {
        EXPECT_EQ(paise(sums.debits(test::StCash, r.bucket)), r.received) << r.bucket;
        EXPECT_EQ(paise(sums.credits(test::StCash, r.bucket)), r.paid) << r.bucket;
    }
    // A head's two sides; a head without vouchers has nothing on either.
    EXPECT_EQ(paise(sums.debits(test::StSalaries, 1)), 84550);
    EXPECT_EQ(paise(sums.credits(test::StDonations, 2)), 300000);
    EXPECT_EQ(paise(sums.debits(test::StRepairs, 2)), 0);
    EXPECT_EQ(paise(sums.credits(test::StRepairs, 2)), 0);
}

TEST(JournalSums, PeriodsAndInstitutions)
{
    StatementBooks books;
    const JournalSums dispensary(books.conn(), {2},
                                 {DateBucket::before(QDate(2026, 12, 31)),
                                  DateBucket::between(QDate(2026, 12, 31), QDate(2027, 3, 1))});
    EXPECT_EQ(paise(dispensary.debits(test::StCash, 0)), 20000);
    EXPECT_EQ(paise(dispensary.credits(test::StCash, 0)), 0);
    EXPECT_EQ(paise(dispensary.credits(test::StCash, 1)), 64550); // both ends of the period count
    EXPECT_EQ(paise(dispensary.debits(test::StSalaries, 1)), 64550);
    EXPECT_EQ(paise(dispensary.credits(test::StDonations, 1)), 0); // the school's January voucher
}

TEST(JournalSums, HeadsAndCashOpeningOfTheChosenInstitutions)
{
    StatementBooks books;
    const auto names = [&](const QList<qint64>& shops) {
        QStringList out;
        for (const StatementHead& h : statementHeads(books.conn(), shops))
            out << h.name;
        return out.join(QLatin1Char('|'));
    };
    EXPECT_EQ(names({1}), QStringLiteral("DONATIONS|SALARIES|TUITION FEES RECEIVED FROM THE PARENTS"));
    EXPECT_EQ(names({1, 2}), QStringLiteral("DONATIONS|REPAIRS|SALARIES|TUITION FEES RECEIVED FROM THE PARENTS"));
    // "D" in hand, "C" overdrawn; other heads' openings never count.
    EXPECT_EQ(paise(cashOpening(books.conn(), test::StCash, {1, 2})), 750000);
    EXPECT_EQ(paise(cashOpening(books.conn(), test::StCash, {2})), -250000);
}
