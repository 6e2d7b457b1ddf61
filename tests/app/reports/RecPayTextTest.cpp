#include "RecPayFixture.h"
#include "reports/RecPayBuilder.h"
#include "reports/RecPayText.h"

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
        EXPECT_EQ(recPayTextLines(doc).join(QLatin1Char('\n')) + QLatin1Char('\n'),
                  test::expected(QString::fromLatin1(c.file)))
            << c.file;
    }
}
