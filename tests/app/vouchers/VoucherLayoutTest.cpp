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

TEST(VoucherLayout, AmountInWordsSplitsAtTheLastBlankWithinForty)
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
        // Proper case, and a long rest is not split again.
        {"ONE CRORE TWENTY THREE LAKH FORTY FIVE THOUSAND SIX HUNDRED SEVENTY EIGHT",
         {"Paid Rs. One Crore Twenty Three Lakh ",
          " Forty Five Thousand Six Hundred Seventy Eight Only"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoucherLayout::amountLines(QString::fromLatin1(c.words)), c.lines) << c.words;
}

TEST(VoucherLayout, NarrationSplitsWithin38AndNeverFails)
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
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoucherLayout::narrationLines(c.narration), c.lines) << c.narration.toStdString();
}
