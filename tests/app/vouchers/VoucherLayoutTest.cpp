#include "VoucherFixtures.h"
#include "vouchers/VoucherLayout.h"

#include <gtest/gtest.h>

using namespace pellam;
using app::VoucherLayout;

TEST(VoucherLayout, PaymentAndReceiptBytesMatchTheHandWrittenFixtures)
{
    EXPECT_EQ(VoucherLayout::bytes(test::paymentVoucher()), test::fixture(QStringLiteral("payment.prn")));
    EXPECT_EQ(VoucherLayout::bytes(test::receiptVoucher()), test::fixture(QStringLiteral("receipt.prn")));
}

TEST(VoucherLayout, TextIsWindows1252AndAmountsOfAnySizeAreGroupedExactly)
{
    app::PrintedVoucher v = test::receiptVoucher();
    v.shopName = QStringLiteral("CAFÉ – TRUST");
    v.amount = *Currency::parse(u"999999999.99");
    const QByteArray bytes = VoucherLayout::bytes(v);
    EXPECT_TRUE(bytes.contains(QByteArray("CAF\xc9 \x96 TRUST\r\n"))) << bytes.toHex().toStdString();
    EXPECT_TRUE(bytes.contains("Amount : Rs.99,99,99,999.99/-\r\n"));
    v.amount = *Currency::parse(u"999999999999");
    EXPECT_TRUE(VoucherLayout::bytes(v).contains("Amount : Rs.9,99,99,99,99,999.00/-\r\n"));
}

TEST(VoucherLayout, AmountInWordsSplitsAtTheLastBlankWithinFortyAsOftenAsItTakes)
{
    struct Case {
        const char* words;
        QStringList lines;
    };
    const Case cases[] = {
        // "Paid Rs. " + 26 + " Only" = 40 characters: one line.
        {"Twenty Five Thousand Three", {"Paid Rs. Twenty Five Thousand Three Only"}},
        // 41 characters: split at the last blank within the first 40.
        {"Twenty Five Thousand Eighty", {"Paid Rs. Twenty Five Thousand Eighty ", " Only"}},
        // Proper case, and a rest longer than 40 is split the same way, so
        // that no line runs past the 46-column form.
        {"ONE CRORE TWENTY THREE LAKH FORTY FIVE THOUSAND SIX HUNDRED SEVENTY EIGHT",
         {"Paid Rs. One Crore Twenty Three Lakh ", " Forty Five Thousand Six Hundred ", " Seventy Eight Only"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoucherLayout::amountLines(QString::fromLatin1(c.words)), c.lines) << c.words;
}

TEST(VoucherLayout, NarrationSplitsWithin38AsOftenAsItTakesAndNeverFails)
{
    struct Case {
        QString narration;
        QStringList lines;
    };
    const QString x38(38, QLatin1Char('X'));
    const Case cases[] = {
        {QString(), {"   On Account of "}},
        {"  school FEES  ", {"   On Account of School Fees"}},
        // 38 characters stay on one line.
        {"a" + QString(36, QLatin1Char('b')) + "c", {"   On Account of A" + QString(36, QLatin1Char('b')) + "c"}},
        // 39: split at the last blank within the first 38, which starts the second line.
        {"aaaa bbbb cccc dddd eeee ffff gggg hhhhh", {"   On Account of  Aaaa Bbbb Cccc Dddd Eeee Ffff Gggg ", " Hhhhh"}},
        // No blank within the first 38: split after the 38th character.
        {x38 + "YY ZZ", {"   On Account of  X" + x38.mid(1).toLower(), "yy Zz"}},
        // A longer rest goes on in lines of 38 at most, each beginning with
        // the blank the one before ended at.
        {"paid to the contractor for the repair of the school roof after the monsoon rains and the new gate",
         {"   On Account of  Paid To The Contractor For The Repair ", " Of The School Roof After The Monsoon ",
          " Rains And The New Gate"}},
        {x38 + x38 + "Z", {"   On Account of  X" + x38.mid(1).toLower(), x38.toLower(), "z"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoucherLayout::narrationLines(c.narration), c.lines) << c.narration.toStdString();
}

TEST(VoucherLayout, ALongNarrationAndAmountStayWithinTheFormBelowTheirFirstLines)
{
    app::PrintedVoucher v = test::paymentVoucher();
    v.amountWords = QStringLiteral("NINETY NINE CRORE NINETY NINE LAKH NINETY NINE THOUSAND NINE HUNDRED NINETY NINE "
                                   "RUPEES AND NINETY NINE PAISE");
    v.narration = QString(QStringLiteral("for the new library building ")).repeated(8);
    const QString text = QString::fromLatin1(VoucherLayout::bytes(v));
    const QString rule(46, QLatin1Char('-'));
    // Between the rule under the number and the head: the words and the
    // narration, every line but the narration's first within the form.
    const QString body = text.section(rule + QStringLiteral("\r\n"), 1, 1).section(QStringLiteral("[MILK"), 0, 0);
    EXPECT_EQ(body.split(QStringLiteral("\r\n")),
              (QStringList{"Paid Rs. Ninety Nine Crore Ninety Nine ", " Lakh Ninety Nine Thousand Nine Hundred ",
                           " Ninety Nine Rupees And Ninety Nine ", " Paise Only",
                           "   On Account of  For The New Library Building For The ",
                           " New Library Building For The New ", " Library Building For The New Library ",
                           " Building For The New Library ", " Building For The New Library ",
                           " Building For The New Library ", " Building For The New Library Building", ""}));
}

TEST(VoucherLayout, ControlCharactersInAnyTextPrintAsBlanksAndSendNoCode)
{
    const auto withNul = [](const char* before, const char* after) {
        return QString::fromLatin1(before) + QChar(0) + QString::fromLatin1(after);
    };
    const struct {
        QString app::PrintedVoucher::*field;
        QString hostile;
        QString plain;
    } cases[] = {
        {&app::PrintedVoucher::shopName, QStringLiteral("ST. MARY'S\x1b@SCHOOL"), QStringLiteral("ST. MARY'S @SCHOOL")},
        {&app::PrintedVoucher::placeLine, QStringLiteral("ARAVURAM\r\n- 680100"), QStringLiteral("ARAVURAM  - 680100")},
        {&app::PrintedVoucher::billNo, QStringLiteral("1\x0e" "2"), QStringLiteral("1 2")},
        {&app::PrintedVoucher::date, QStringLiteral("05/04\x12" "2026"), QStringLiteral("05/04 2026")},
        // Broken where the blanks print, as the same text typed with blanks.
        {&app::PrintedVoucher::narration, withNul("PAID TO ST. MARY'S\x07" "CANTEEN", "FOR MILK\rAND TEA\x1b" "E"),
         QStringLiteral("PAID TO ST. MARY'S CANTEEN FOR MILK AND TEA E")},
        {&app::PrintedVoucher::account, QStringLiteral("MILK & TEA\n07/05/2025 (MLK)"),
         QStringLiteral("MILK & TEA 07/05/2025 (MLK)")},
    };
    for (const auto& c : cases) {
        app::PrintedVoucher hostile = test::paymentVoucher();
        hostile.*c.field = c.hostile;
        app::PrintedVoucher plain = test::paymentVoucher();
        plain.*c.field = c.plain;
        // The plain voucher sends only the layout's own codes, as its fixture shows.
        EXPECT_EQ(VoucherLayout::bytes(hostile), VoucherLayout::bytes(plain)) << c.plain.toStdString();
    }
}
