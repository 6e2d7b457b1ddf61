#include "InstitutionZeroFixture.h"
#include "QuarterlyFixture.h"
#include "TextLines.h"
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
    ledger.shopColumn = true;
    const QStringList l = test::textLines(LedgerBuilder(books.conn()).build(ledger));
    // The gift's line, in institution 0's column, and the head's totals.
    EXPECT_TRUE(l.contains(QStringLiteral("       0  02/04/2026    By   CASH A/C                                        700.00")))
        << l.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(l.contains(QStringLiteral("                       Total                                    0.00         700.00")));
    // Counted in the opening too, once the voucher lies before the period.
    ledger.from = QDate(2026, 5, 1);
    const QStringList later = test::textLines(LedgerBuilder(books.conn()).build(ledger));
    EXPECT_TRUE(later.contains(QStringLiteral("                            By Balance B/d                                   700.00")))
        << later.join(QLatin1Char('\n')).toStdString();

    ReportChoices cashBook;
    cashBook.shops = kDispensary;
    cashBook.from = QDate(2026, 4, 1);
    cashBook.to = QDate(2026, 4, 30);
    cashBook.shopColumn = true;
    const QStringList r = test::textLines(RecPayBuilder(books.conn()).build(cashBook));
    // Institution 0's opening of 1,000.00 against the dispensary's 2,500.00
    // overdrawn, and the gift first.
    EXPECT_EQ(r.mid(7, 2), (QStringList{QStringLiteral("                                     By Balance B/d                                   1,500.00"),
                                       QStringLiteral("              0         02/04/2026 GIFTS                                  700.00")}))
        << r.join(QLatin1Char('\n')).toStdString();
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
