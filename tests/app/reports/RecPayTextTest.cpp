#include "RecPayFixture.h"
#include "reports/RecPayBuilder.h"
#include "reports/RecPayWriters.h"
#include "TextLines.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using test::RecPayBooks;

TEST(RecPayText, MatchesTheLayoutLineForLine)
{
    RecPayBooks books;
    ReportChoices jou = RecPayBooks::request();
    jou.reference = ReportReference::JouNo;
    jou.shopColumn = true;
    jou.narration = true;
    ReportChoices bill = RecPayBooks::request();
    bill.shops = {2};
    bill.reference = ReportReference::BillNo;
    bill.lines = true;
    // The school alone in April: no cash opening row, so the cash account
    // comes from the books' setting; an opening of exactly nothing.
    ReportChoices serial;
    serial.shops = {1};
    serial.from = QDate(2026, 4, 1);
    serial.to = QDate(2026, 4, 30);
    serial.reference = ReportReference::SerialNo;
    serial.shopColumn = true;
    // The dispensary's first two days: more paid out than it had, so the
    // balance stands on the receipt side.
    ReportChoices shortOfCash;
    shortOfCash.shops = {2};
    shortOfCash.from = QDate(2026, 5, 1);
    shortOfCash.to = QDate(2026, 5, 2);
    struct Case {
        const char* file;
        ReportChoices request;
    };
    for (const Case& c : {Case{"recpay_jou_shop_narration.txt", jou}, Case{"recpay_bill_lines.txt", bill},
                          Case{"recpay_serial_no_opening.txt", serial},
                          Case{"recpay_short_of_cash.txt", shortOfCash}}) {
        const RecPayDocument doc = RecPayBuilder(state().Conn).build(c.request);
        EXPECT_EQ(test::textFile(doc),
                  test::expected(QString::fromLatin1(c.file)))
            << c.file;
    }
}

TEST(RecPayText, ALongNarrationGoesOnInLinesOfItsWidthNotIntoTheAmounts)
{
    RecPayBooks books;
    books.conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration)"
                                        " values(1, ?, ?, '2026-06-01', 100, ?)"),
                         {test::Fees, test::Cash,
                          QStringLiteral("PAID TO THE CONTRACTOR FOR THE REPAIR OF THE SCHOOL ROOF AFTER THE MONSOON "
                                         "RAINS AND FOR THE NEW GATE")});
    ReportChoices r = RecPayBooks::request();
    r.shops = {1};
    r.from = r.to = QDate(2026, 6, 1);
    r.narration = true;
    const QStringList lines = test::textLines(RecPayBuilder(state().Conn).build(r));
    const qsizetype voucher = lines.indexOf(
        QStringLiteral("                       01/06/26 ST. MARY'S FEES                                         1.00"));
    ASSERT_GT(voucher, 0) << lines.join(QLatin1Char('\n')).toStdString();
    // The first two lines as always, then lines of 32 at most; the last one
    // indented by two more, like the last line of a shorter narration.
    EXPECT_EQ(lines.mid(voucher + 1, 5), (QStringList{
                                             QString(31, QLatin1Char(' ')) + "[PAID TO THE CONTRACTOR FOR THE",
                                             QString(31, QLatin1Char(' ')) + "REPAIR OF THE SCHOOL ROOF AFTER",
                                             QString(31, QLatin1Char(' ')) + "THE MONSOON RAINS AND FOR THE",
                                             QString(33, QLatin1Char(' ')) + "NEW GATE]",
                                             QString(5, QLatin1Char(' ')) + QString(89, QLatin1Char('-')),
                                         }));
}
