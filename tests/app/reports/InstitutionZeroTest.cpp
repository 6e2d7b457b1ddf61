#include "InstitutionZeroFixture.h"
#include "QuarterlyFixture.h"
#include "reports/LedgerBuilder.h"
#include "reports/MonthlyBuilder.h"
#include "reports/QuarterlyBuilder.h"
#include "reports/RecPayBuilder.h"
#include "reports/SummaryBuilder.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

// The dispensary alone is chosen throughout: institution 0 counts whatever
// the choice. Its own cash opening is 2,500.00 overdrawn.
const QList<qint64> kDispensary{2};

const HeadIncome* headNamed(const IncomeStatement& doc, const char* name)
{
    for (const HeadIncome& h : doc.heads)
        if (h.name == QLatin1String(name))
            return &h;
    return nullptr;
}

} // namespace

TEST(InstitutionZero, CountsInTheLedgerAndTheCashBookWhateverIsChosen)
{
    test::BooksWithInstitutionZero books;
    LedgerRequest ledger;
    ledger.shops = kDispensary;
    ledger.heads = {test::Gifts};
    ledger.from = QDate(2026, 4, 1);
    ledger.to = QDate(2027, 3, 31);
    const LedgerDocument l = LedgerBuilder(books.conn()).build(ledger);
    ASSERT_EQ(l.heads.size(), 1);
    ASSERT_EQ(l.heads[0].vouchers.size(), 1);
    EXPECT_EQ(l.heads[0].vouchers[0].shopId, 0);
    EXPECT_EQ(l.heads[0].creditTotal.paise(), 70000);
    // Counted in the opening too, once the voucher lies before the period.
    ledger.from = QDate(2026, 5, 1);
    EXPECT_EQ(LedgerBuilder(books.conn()).build(ledger).heads[0].opening.paise(), -70000);

    ReportChoices cashBook;
    cashBook.shops = kDispensary;
    cashBook.from = QDate(2026, 4, 1);
    cashBook.to = QDate(2026, 4, 30);
    const RecPayDocument r = RecPayBuilder(books.conn()).build(cashBook);
    EXPECT_EQ(r.opening.paise(), -250000 + 100000);
    ASSERT_EQ(r.vouchers.size(), 2);
    EXPECT_EQ(r.vouchers[0].accountName, QStringLiteral("GIFTS"));
    EXPECT_EQ(r.vouchers[0].amount.paise(), 70000);
}

TEST(InstitutionZero, CountsInTheSummaryAndTheStatements)
{
    test::BooksWithInstitutionZero books;
    SummaryRequest summary;
    summary.shops = kDispensary;
    summary.from = QDate(2026, 5, 1);
    summary.to = QDate(2027, 3, 31);
    summary.withOpening = true;
    const SummaryDocument s = SummaryBuilder(books.conn()).build(summary);
    ASSERT_NE(headNamed(s, "GIFTS"), nullptr);
    // April's dispensary receipt of 200.00 and the gift of 700.00 before the period.
    EXPECT_EQ(s.opening.paise(), -250000 + 100000 + 20000 + 70000);

    MonthlyRequest monthly;
    monthly.shops = kDispensary;
    monthly.month = 4;
    const MonthlyDocument m = MonthlyBuilder(books.conn()).build(monthly, test::StCash);
    ASSERT_NE(headNamed(m, "GIFTS"), nullptr);
    EXPECT_EQ(headNamed(m, "GIFTS")->income.paise(), 70000);
    EXPECT_EQ(m.opening.paise(), -250000 + 100000);
    EXPECT_EQ(m.title, QStringLiteral("DISPENSARY STATEMENT")) << "the heading follows the choice";

    // The second quarter: the gift is in the total column and the opening.
    const QuarterlyDocument q = QuarterlyBuilder(books.conn())
                                    .build(test::QuarterlyBooks::request("Second", false, kDispensary), test::StCash);
    const auto gifts = std::find_if(q.heads.begin(), q.heads.end(),
                                    [](const QuarterHead& h) { return h.name == QLatin1String("GIFTS"); });
    ASSERT_NE(gifts, q.heads.end());
    EXPECT_EQ(gifts->figures.income[QuarterFigures::kTotal].paise(), 70000);
    EXPECT_EQ(q.openings[0].paise(), -250000 + 100000 + 20000 + 70000);
    EXPECT_EQ(q.openings[QuarterFigures::kTotal].paise(), -250000 + 100000);
}
