#include "VoucherBooks.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

using Result = test::ToolResult;

struct Vouchers : test::VoucherBooks {
    Result voucher(const QStringList& arguments) { return run(QStringList{QStringLiteral("voucher")} + arguments); }
    // A payment of 100 to MILK & TEA that each case changes.
    static QStringList payment()
    {
        return {QStringLiteral("add"),    QStringLiteral("--date"),   QStringLiteral("05/04/2026"),
                QStringLiteral("--shop"), QStringLiteral("1"),        QStringLiteral("--payment"),
                QStringLiteral("--head"), QStringLiteral("MLK"),      QStringLiteral("--amount"),
                QStringLiteral("100")};
    }
    static QStringList with(QStringList arguments, const QString& option, const QString& value)
    {
        const qsizetype at = arguments.indexOf(option);
        if (at < 0)
            arguments << option << value;
        else
            arguments[at + 1] = value;
        return arguments;
    }
};

} // namespace

TEST_F(Vouchers, AddStoresTheVoucherAndListsItsHeadForTheInstitutionOnce)
{
    const Result added = voucher(payment() + QStringList{QStringLiteral("--narration"), QStringLiteral("milk, \"tea\""),
                                                         QStringLiteral("--bill"), QStringLiteral("b7")});
    EXPECT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, QStringLiteral("1\n"));
    EXPECT_EQ(row(1), QStringLiteral("1|7|1|2026-04-05|10000|MILK, \"TEA\"|B7|MERION"));

    const Result receipt = voucher({QStringLiteral("add"), QStringLiteral("--date"), QStringLiteral("31/03/2027"),
                                    QStringLiteral("--shop"), QStringLiteral("2"), QStringLiteral("--receipt"),
                                    QStringLiteral("--head"), QStringLiteral("fee"), QStringLiteral("--amount"),
                                    QStringLiteral("999999999.99"), QStringLiteral("--user"), QStringLiteral("CLERK")});
    EXPECT_EQ(receipt.out, QStringLiteral("2\n")) << receipt.err.toStdString();
    EXPECT_EQ(row(2), QStringLiteral("2|1|8|2027-03-31|99999999999|||clerk")) << "the user as the books spell it";

    EXPECT_EQ(voucher(payment()).out, QStringLiteral("3\n"));
    EXPECT_EQ(conn.scalar(QStringLiteral("select group_concat(shopid||':'||accno, ' ') from "
                                         "(select * from shopacc where accno<>1 order by shopid, accno)"))
                  .toString(),
              QStringLiteral("1:7 2:8"));
}

TEST_F(Vouchers, TheRecordedUserIsTheBooksFirstUserElseMerion)
{
    conn.executeScript(QStringLiteral("delete from loginuser; insert into loginuser(userid) values('ANNA'), ('BEN');"));
    ASSERT_EQ(voucher(payment()).code, 0);
    conn.execute(QStringLiteral("delete from loginuser"));
    ASSERT_EQ(voucher(payment()).code, 0);
    EXPECT_TRUE(row(1).endsWith(QStringLiteral("|ANNA"))) << row(1).toStdString();
    EXPECT_TRUE(row(2).endsWith(QStringLiteral("|MERION"))) << row(2).toStdString();
}

TEST_F(Vouchers, ARefusedVoucherSaysWhyAndStoresNothing)
{
    struct Case {
        QString option, value;
        int code;
        const char* error;
    };
    const Case cases[] = {
        {QStringLiteral("--date"), QStringLiteral("31/02/2026"), 1, "Invalid Journal Date !!"},
        {QStringLiteral("--date"), QStringLiteral("31/03/2026"), 1, "Date cannot be Less than the 01/04/2026"},
        {QStringLiteral("--date"), QStringLiteral("01/04/2027"), 1, "Date cannot be greater than the 31/03/2027"},
        {QStringLiteral("--head"), QStringLiteral("XYZ"), 1,
         "Invalid Debit Account !! There is no ledger head with the code 'XYZ'."},
        {QStringLiteral("--head"), QStringLiteral("CASH"), 1,
         "Invalid Debit Account !! The cash account is the other side of every voucher."},
        {QStringLiteral("--amount"), QStringLiteral("0"), 1, "Invalid Amount !!"},
        {QStringLiteral("--amount"), QStringLiteral("-5"), 1, "Invalid Amount !!"},
        {QStringLiteral("--amount"), QStringLiteral("12abc"), 1, "Invalid Amount !!"},
        {QStringLiteral("--amount"), QStringLiteral("2147483648"), 1, "Invalid Amount !!"},
        {QStringLiteral("--shop"), QStringLiteral("3"), 1, "There is no institution '3'."},
        {QStringLiteral("--shop"), QStringLiteral("x"), 1, "There is no institution 'x'."},
        {QStringLiteral("--narration"), QStringLiteral("TWO\nLINES"), 1,
         "The narration may not hold control characters (line breaks, tabs and the like)."},
        {QStringLiteral("--bill"), QStringLiteral("B\x1b"), 1,
         "The bill number may not hold control characters (line breaks, tabs and the like)."},
        {QStringLiteral("--bill"), QStringLiteral("12345678"), 1, "The bill number may have at most 7 characters."},
        {QStringLiteral("--user"), QStringLiteral("nobody"), 10, "--user: there is no user 'nobody' in the books"},
        {QStringLiteral("--receipt"), QString(), 2,
         "a voucher is a receipt or a payment: give --receipt or --payment, not both"},
        {QStringLiteral("--from"), QStringLiteral("01/04/2026"), 2, "'voucher add' takes no option '--from'"},
    };
    for (const Case& c : cases) {
        QStringList arguments = payment();
        if (c.value.isNull())
            arguments << c.option;
        else
            arguments = with(arguments, c.option, c.value);
        const Result result = voucher(arguments);
        EXPECT_EQ(result.code, c.code) << c.error;
        EXPECT_EQ(result.err, QStringLiteral("pellam: %1\n").arg(QString::fromUtf8(c.error)));
        EXPECT_EQ(result.out, QString()) << c.error;
    }
    QStringList noAmount = payment();
    noAmount.remove(noAmount.indexOf(QStringLiteral("--amount")), 2);
    EXPECT_EQ(voucher(noAmount).err, QStringLiteral("pellam: voucher add needs --amount\n"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from shopacc where accno<>1")), 0);
}

TEST_F(Vouchers, EditChangesOnlyTheGivenFieldsWithTheSameChecks)
{
    ASSERT_EQ(voucher(payment() + QStringList{QStringLiteral("--narration"), QStringLiteral("milk"),
                                              QStringLiteral("--bill"), QStringLiteral("B1")})
                  .code,
              0);
    const QString before = row(1);
    ASSERT_EQ(before, QStringLiteral("1|7|1|2026-04-05|10000|MILK|B1|MERION"));
    struct Case {
        QStringList options;
        QString after;
    };
    const Case cases[] = {
        {{QStringLiteral("--amount"), QStringLiteral("250.5")}, QStringLiteral("1|7|1|2026-04-05|25050|MILK|B1|MERION")},
        {{QStringLiteral("--date"), QStringLiteral("01/01/2027")}, QStringLiteral("1|7|1|2027-01-01|10000|MILK|B1|MERION")},
        {{QStringLiteral("--receipt")}, QStringLiteral("1|1|7|2026-04-05|10000|MILK|B1|MERION")},
        {{QStringLiteral("--head"), QStringLiteral("RNT"), QStringLiteral("--shop"), QStringLiteral("2")},
         QStringLiteral("2|9|1|2026-04-05|10000|MILK|B1|MERION")},
        {{QStringLiteral("--narration"), QString()}, QStringLiteral("1|7|1|2026-04-05|10000||B1|MERION")},
        {{QStringLiteral("--user"), QStringLiteral("clerk")}, QStringLiteral("1|7|1|2026-04-05|10000|MILK|B1|clerk")},
    };
    for (const Case& c : cases) {
        const Result edited = voucher(QStringList{QStringLiteral("edit"), QStringLiteral("1")} + c.options);
        EXPECT_EQ(edited.code, 0) << edited.err.toStdString();
        EXPECT_EQ(edited.out, QStringLiteral("1\n"));
        EXPECT_EQ(row(1), c.after) << c.options.join(' ').toStdString();
        conn.execute(QStringLiteral("update journal set shopid=1, debitaccid=7, creditaccid=1, joudate='2026-04-05', "
                                    "amount=10000, narration='MILK', billno='B1', userid='MERION'"));
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from shopacc where shopid=2 and accno=9")), 1)
        << "the new head is listed for its institution";

    const Result refused = voucher({QStringLiteral("edit"), QStringLiteral("1"), QStringLiteral("--amount"), QStringLiteral("0")});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, QStringLiteral("pellam: Invalid Amount !!\n"));
    EXPECT_EQ(row(1), before);
    const Result missing = voucher({QStringLiteral("edit"), QStringLiteral("4"), QStringLiteral("--amount"), QStringLiteral("5")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, QStringLiteral("pellam: There is no voucher 4 in the books for 2026-2027.\n"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 1);
}

TEST_F(Vouchers, ShowAndDelete)
{
    ASSERT_EQ(voucher(with(payment(), QStringLiteral("--narration"), QStringLiteral("milk"))).code, 0);
    const Result shown = voucher({QStringLiteral("show"), QStringLiteral("1")});
    EXPECT_EQ(shown.out, QStringLiteral("Jou. No.: 1\n"
                                        "Date: 05/04/2026\n"
                                        "Institution: 1 MAIN INSTITUTION\n"
                                        "Type: Payment\n"
                                        "Head: MLK MILK & TEA\n"
                                        "Amount: 100.00\n"
                                        "Narration: MILK\n"
                                        "Bill No.: \n"
                                        "User: MERION\n"));

    const Result unsure = voucher({QStringLiteral("delete"), QStringLiteral("1")});
    EXPECT_EQ(unsure.code, 2);
    EXPECT_EQ(unsure.err, QStringLiteral("pellam: voucher delete needs --yes to delete voucher 1\n"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 1);
    const Result deleted = voucher({QStringLiteral("delete"), QStringLiteral("1"), QStringLiteral("--yes")});
    EXPECT_EQ(deleted.out, QStringLiteral("Deleted voucher 1\n"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 0);
    EXPECT_EQ(voucher({QStringLiteral("show"), QStringLiteral("1")}).err,
              QStringLiteral("pellam: There is no voucher 1 in the books for 2026-2027.\n"));
    EXPECT_EQ(voucher({QStringLiteral("show")}).err, QStringLiteral("pellam: voucher show needs the voucher's number\n"));
    EXPECT_EQ(voucher({QStringLiteral("show"), QStringLiteral("1a")}).err,
              QStringLiteral("pellam: the voucher's number must be a whole number above 0, not '1a'\n"));
    EXPECT_EQ(voucher({QStringLiteral("move")}).err,
              QStringLiteral("pellam: unknown voucher action 'move' (voucher actions: add, show, edit, delete, list)\n"));
}

TEST_F(Vouchers, ListChoosesByDayInstitutionAndHeadAsTextOrCsv)
{
    QStringList receipt = with(with(with(payment(), QStringLiteral("--head"), QStringLiteral("FEE")),
                                    QStringLiteral("--date"), QStringLiteral("01/02/2027")),
                               QStringLiteral("--bill"), QStringLiteral("R1"));
    receipt.replace(receipt.indexOf(QStringLiteral("--payment")), QStringLiteral("--receipt"));
    const QStringList adds[] = {
        with(with(payment(), QStringLiteral("--narration"), QStringLiteral("milk, \"tea\"")), QStringLiteral("--date"),
             QStringLiteral("06/04/2026")),
        with(with(payment(), QStringLiteral("--shop"), QStringLiteral("2")), QStringLiteral("--amount"),
             QStringLiteral("1234567.5")),
        receipt,
    };
    for (const QStringList& add : adds)
        ASSERT_EQ(voucher(add).code, 0) << add.join(' ').toStdString();

    const QString header = QStringLiteral("jou_no,date,shop,type,head,amount,narration,bill_no\n");
    struct Case {
        QStringList options;
        QString csv;
    };
    const Case cases[] = {
        {{}, header + QStringLiteral("2,2026-04-05,2,Payment,MLK,1234567.50,,\n"
                                     "1,2026-04-06,1,Payment,MLK,100.00,\"MILK, \"\"TEA\"\"\",\n"
                                     "3,2027-02-01,1,Receipt,FEE,100.00,,R1\n")},
        {{QStringLiteral("--date"), QStringLiteral("06/04/2026")},
         header + QStringLiteral("1,2026-04-06,1,Payment,MLK,100.00,\"MILK, \"\"TEA\"\"\",\n")},
        {{QStringLiteral("--from"), QStringLiteral("06/04/2026"), QStringLiteral("--shop"), QStringLiteral("1")},
         header + QStringLiteral("1,2026-04-06,1,Payment,MLK,100.00,\"MILK, \"\"TEA\"\"\",\n"
                                 "3,2027-02-01,1,Receipt,FEE,100.00,,R1\n")},
        {{QStringLiteral("--head"), QStringLiteral("fee")}, header + QStringLiteral("3,2027-02-01,1,Receipt,FEE,100.00,,R1\n")},
        {{QStringLiteral("--to"), QStringLiteral("04/04/2026")}, header},
    };
    for (const Case& c : cases) {
        const Result listed = voucher(QStringList{QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("csv")} + c.options);
        EXPECT_EQ(listed.code, 0) << listed.err.toStdString();
        EXPECT_EQ(listed.out, c.csv) << c.options.join(' ').toStdString();
    }
    EXPECT_EQ(voucher({QStringLiteral("list"), QStringLiteral("--shop"), QStringLiteral("2")}).out,
              QStringLiteral("Jou. No. Date       Inst. Type    Head               Amount  Narration\n"
                             "       2 05/04/2026     2 Payment MLK          12,34,567.50\n"));

    const struct {
        QStringList options;
        const char* error;
    } wrong[] = {
        {{QStringLiteral("--date"), QStringLiteral("06/04/2026"), QStringLiteral("--from"), QStringLiteral("01/04/2026")},
         "give --date or --from and --to, not both"},
        {{QStringLiteral("--format"), QStringLiteral("pdf")}, "--format must be text or csv, not 'pdf'"},
        {{QStringLiteral("--head"), QStringLiteral("NONE")}, "--head: there is no ledger head with the code 'NONE'"},
    };
    for (const auto& w : wrong) {
        const Result result = voucher(QStringList{QStringLiteral("list")} + w.options);
        EXPECT_EQ(result.code, 2) << w.error;
        EXPECT_EQ(result.err, QStringLiteral("pellam: %1\n").arg(QLatin1String(w.error)));
    }
}

TEST_F(Vouchers, TheProgramPrintsTheNumberAloneOrTheRefusalOnItsErrorStream)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/pellam");
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "pellam is not built beside the tests";
    const QStringList common{QStringLiteral("--home"), home.file(QStringLiteral("home")), QStringLiteral("voucher")};
    const QStringList year{QStringLiteral("--year"), QStringLiteral("2026")};
    QProcess process;
    process.start(program, common + payment() + year);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput(), QByteArray("1\n"));

    process.start(program, common + with(payment(), QStringLiteral("--amount"), QStringLiteral("0")) + year);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(process.readAllStandardError(), QByteArray("pellam: Invalid Amount !!\n"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 1);
}
