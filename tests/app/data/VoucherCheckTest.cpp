#include "data/VoucherCheck.h"

#include <gtest/gtest.h>

using namespace pellam;
using data::FieldProblem;
using data::VoucherCheck;
using data::VoucherFields;

namespace {

const QDate kStart(2026, 4, 1);
const QDate kEnd(2027, 3, 31);

VoucherFields good()
{
    return {QStringLiteral("05/04/2026"), QStringLiteral("7"), QStringLiteral("100"), false, QStringLiteral("12")};
}

} // namespace

TEST(VoucherCheck, FirstFailingFieldGivesItsMessageAndBox)
{
    using Field = FieldProblem::Field;
    struct Case {
        const char* what;
        std::function<void(VoucherFields&)> change;
        std::optional<FieldProblem> expected;
    };
    const Case cases[] = {
        {"all good", [](VoucherFields&) {}, std::nullopt},
        {"date not a date", [](VoucherFields& f) { f.dateText = QStringLiteral("31/02/2027"); },
         FieldProblem{Field::Date, QStringLiteral(" Invalid Journal Date !!")}},
        {"empty mask", [](VoucherFields& f) { f.dateText = QStringLiteral("//"); },
         FieldProblem{Field::Date, QStringLiteral(" Invalid Journal Date !!")}},
        {"before the year", [](VoucherFields& f) { f.dateText = QStringLiteral("31/03/2026"); },
         FieldProblem{Field::Date, QStringLiteral(" Date cannot be Less than the 01/04/2026")}},
        {"after the year", [](VoucherFields& f) { f.dateText = QStringLiteral("01/04/2027"); },
         FieldProblem{Field::Date, QStringLiteral(" Date cannot be greater than the 31/03/2027")}},
        {"last day", [](VoucherFields& f) { f.dateText = QStringLiteral("31/03/2027"); }, std::nullopt},
        {"no account, bad amount too", [](VoucherFields& f) { f.chosenAccount.clear(); f.amountText.clear(); },
         FieldProblem{Field::Account, QStringLiteral(" Invalid Debit Account !!")}},
        {"empty amount", [](VoucherFields& f) { f.amountText.clear(); },
         FieldProblem{Field::Amount, QStringLiteral(" Invalid Amount !!")}},
        {"zero amount", [](VoucherFields& f) { f.amountText = QStringLiteral("0.00"); },
         FieldProblem{Field::Amount, QStringLiteral(" Invalid Amount !!")}},
        {"lone point", [](VoucherFields& f) { f.amountText = QStringLiteral("."); },
         FieldProblem{Field::Amount, QStringLiteral(" Invalid Amount !!")}},
        {"pasted negative", [](VoucherFields& f) { f.amountText = QStringLiteral("-5"); },
         FieldProblem{Field::Amount, QStringLiteral(" Invalid Amount !!")}},
        {"a thousandth passes", [](VoucherFields& f) { f.amountText = QStringLiteral("0.001"); }, std::nullopt},
        {"largest amount the words spell", [](VoucherFields& f) { f.amountText = QStringLiteral("2147483647.99"); },
         std::nullopt},
        {"one rupee more", [](VoucherFields& f) { f.amountText = QStringLiteral("2147483648"); },
         FieldProblem{Field::Amount, QStringLiteral(" Invalid Amount !!")}},
        {"rounds to one rupee more", [](VoucherFields& f) { f.amountText = QStringLiteral("2147483647.995"); },
         FieldProblem{Field::Amount, QStringLiteral(" Invalid Amount !!")}},
        {"eleven nines", [](VoucherFields& f) { f.amountText = QStringLiteral("99999999999"); },
         FieldProblem{Field::Amount, QStringLiteral(" Invalid Amount !!")}},
        {"edit without number", [](VoucherFields& f) { f.editMode = true; f.jouNoText.clear(); },
         FieldProblem{Field::JouNo, QStringLiteral("Invalid Journal Number to Update")}},
        {"new voucher without number", [](VoucherFields& f) { f.jouNoText.clear(); }, std::nullopt},
    };
    for (const Case& c : cases) {
        VoucherFields f = good();
        c.change(f);
        EXPECT_EQ(VoucherCheck::check(f, kStart, kEnd), c.expected) << c.what;
    }
}

TEST(VoucherCheck, AmountsAreReadExactlyFromTheStartOfTheBox)
{
    const struct {
        const char* text;
        std::int64_t paise;
    } cases[] = {
        {"999999999.99", 99999999999}, {"999999999999", 99999999999900}, {"12abc", 1200}, {"0.001", 0},
        {"0.005", 0},                  {"0.015", 2},                     {"", 0},         {" 7.5", 750},
        {"1.2.3", 120},                {"99999999999999999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VoucherCheck::amountOf(QString::fromLatin1(c.text)).paise(), c.paise) << c.text;
    EXPECT_EQ(VoucherCheck::numberOf(QStringLiteral("42")), 42);
    EXPECT_EQ(VoucherCheck::numberOf(QStringLiteral("X")), 0);
    EXPECT_TRUE(VoucherCheck::isNumber(QStringLiteral(" 13 "), 13));
    for (const char* other : {"13A", "12", "", "1 3", "13.0"})
        EXPECT_FALSE(VoucherCheck::isNumber(QString::fromLatin1(other), 13)) << other;
}
