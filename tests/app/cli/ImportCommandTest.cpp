#include "VoucherBooks.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

using Result = test::ToolResult;

struct Import : test::VoucherBooks {
    QString csv = home.file(QStringLiteral("vouchers.csv"));

    Result import(const QByteArray& bytes, const QStringList& options = {})
    {
        QFile file(csv);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return run(QStringList{QStringLiteral("import"), QStringLiteral("vouchers"), csv} + options);
    }
    QString shopHeads()
    {
        return conn
            .scalar(QStringLiteral("select group_concat(shopid||':'||accno, ' ') from "
                                   "(select * from shopacc where accno<>1 order by shopid, accno)"))
            .toString();
    }
    // Books without vouchers, and a journal that numbers from 1 again.
    void emptyJournal()
    {
        conn.executeScript(QStringLiteral("delete from journal; delete from shopacc where accno<>1;"
                                          "delete from sqlite_sequence where name='journal' collate nocase;"));
    }
};

// A receipt of 1500 for FEES at institution 1 and a payment of 250.50 for
// MILK & TEA at the dispensary, in the forms a file may bring them.
const QByteArray kTwoVouchers = "date,institution,type,head,amount,narration,bill number\n"
                                "05/04/2026,1,R,FEE,1500,\"Café, \"\"north\"\"\",b1\n"
                                "06/04/2026,2,P,MLK,250.50,,bill 2\n";

} // namespace

TEST_F(Import, EveryFormOfTheFileGivesTheSameVouchers)
{
    struct Case {
        const char* form;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"comma, UTF-8", kTwoVouchers},
        {"semicolon, byte-order mark, CRLF, names, ISO dates, other order and case",
         "\xEF\xBB\xBF" "Type;Date;HEAD;Institution;Amount;Bill No.;Narration\r\n"
         "receipt;2026-04-05;fees;Main Institution;1500.00;B1;\"Café, \"\"NORTH\"\"\"\r\n"
         "\r\n"
         "Payment;2026-04-06;milk & tea;dispensary;250.5;BILL 2;\r\n"},
        {"Windows-1252, d/m/yy, no final line break",
         "date,institution,type,head,amount,narration,billno\n"
         "5/4/26,1,r,fee,1500,\"caf\xE9, \"\"north\"\"\",B1\n"
         "6/4/26,2,p,MLK,250.50,,BILL 2"},
    };
    for (const Case& c : cases) {
        emptyJournal();
        const Result result = import(c.bytes);
        EXPECT_EQ(result.err, QString()) << c.form;
        EXPECT_EQ(result.out, QStringLiteral("Imported 2 vouchers (Jou. No. 1 to 2): receipts 1,500.00, payments 250.50\n"))
            << c.form;
        EXPECT_EQ(row(1), QStringLiteral("1|1|8|2026-04-05|150000|CAFÉ, \"NORTH\"|B1|MERION")) << c.form;
        EXPECT_EQ(row(2), QStringLiteral("2|7|1|2026-04-06|25050||BILL 2|MERION")) << c.form;
        EXPECT_EQ(shopHeads(), QStringLiteral("1:8 2:7")) << c.form;
    }
}

TEST_F(Import, ARowIsStoredAsVoucherAddStoresIt)
{
    ASSERT_EQ(run({QStringLiteral("voucher"), QStringLiteral("add"), QStringLiteral("--date"), QStringLiteral("05/04/2026"),
                   QStringLiteral("--shop"), QStringLiteral("2"), QStringLiteral("--payment"), QStringLiteral("--head"),
                   QStringLiteral("rnt"), QStringLiteral("--amount"), QStringLiteral("99.99"), QStringLiteral("--narration"),
                   QStringLiteral("rent, april"), QStringLiteral("--bill"), QStringLiteral("r-4")})
                  .code,
              0);
    const QString added = row(1);
    const QString listed = shopHeads();
    emptyJournal();
    ASSERT_EQ(import("date,institution,type,head,amount,narration,bill\n"
                     "05/04/2026,2,P,rnt,99.99,\"rent, april\",r-4\n")
                  .code,
              0);
    EXPECT_EQ(row(1), added);
    EXPECT_EQ(shopHeads(), listed);
}

TEST_F(Import, EveryBadRowIsListedByItsLineAndNothingIsStored)
{
    const Result result = import("date,institution,type,head,amount,narration,bill\n"
                                 "05/04/2026,1,R,FEE,10,,\n"                        // good, yet not stored
                                 "05/04/2026,3,R,FEE,10,,\n"
                                 "05/04/2026,1,X,FEE,10,,\n"
                                 "31/03/2026,1,R,FEE,10,,\n"
                                 "05/04/2026,1,R,NOSUCH,10,,\n"
                                 "05/04/2026,1,P,CASH,10,,\n"
                                 "05/04/2026,1,R,FEE,0,,\n"
                                 "05/04/2026,1,R,FEE,\"1,000\",,\n"
                                 "05/04/2026,1,R,FEE,10,\"two\nlines\",\n"           // lines 10 and 11
                                 "05/04/2026,1,R,FEE,10,,12345678\n"
                                 "05/04/2026,1,R,FEE,10\n"
                                 "05/04/2026,1,R,FEE,10,\"open,\n");
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, QString());
    EXPECT_EQ(result.err,
              QStringLiteral("%1:3: There is no institution '3'.\n"
                             "%1:4: The type must be R or Receipt, P or Payment, not 'X'.\n"
                             "%1:5: Date cannot be Less than the 01/04/2026\n"
                             "%1:6: Invalid Debit Account !! There is no ledger head with the code 'NOSUCH'.\n"
                             "%1:7: Invalid Debit Account !! The cash account is the other side of every voucher.\n"
                             "%1:8: Invalid Amount !!\n"
                             "%1:9: Invalid Amount !!\n"
                             "%1:10: The narration may not hold control characters (line breaks, tabs and the like).\n"
                             "%1:12: The bill number may have at most 7 characters.\n"
                             "%1:13: The row has 5 fields where the header row has 7.\n"
                             "%1:14: A quoted field that begins on this line is not closed.\n"
                             "pellam: 11 rows refused; nothing was imported from %1\n")
                  .arg(csv));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 0);
    EXPECT_EQ(shopHeads(), QString());
}

TEST_F(Import, AHeaderRowWithoutTheNeededColumnsIsRefused)
{
    struct Case {
        QByteArray bytes;
        const char* error;
    };
    const Case cases[] = {
        {"", "1: The file has no header row (the columns: date, institution, type, head, amount, narration, bill "
             "number)."},
        {"date,institution,type,head\n05/04/2026,1,R,FEE\n",
         "1: The header row has no column 'amount' (the columns: date, institution, type, head, amount, narration, "
         "bill number)."},
        {"date,institution,type,head,amount,memo\n",
         "1: The header row has a column 'memo' that is not one of: date, institution, type, head, amount, "
         "narration, bill number."},
        {"date,institution,type,head,amount,Bill,bill no\n", "1: The header row names the column 'bill no' twice."},
    };
    for (const Case& c : cases) {
        const Result result = import(c.bytes);
        EXPECT_EQ(result.code, 1) << c.error;
        EXPECT_EQ(result.err, QStringLiteral("%1:%2\npellam: 1 row refused; nothing was imported from %1\n")
                                  .arg(csv, QString::fromUtf8(c.error)));
    }
}

TEST_F(Import, DuplicatesAreSkippedSoImportingTwiceAddsNothing)
{
    const QByteArray file = kTwoVouchers + "05/04/2026,1,R,FEE,1500,other narration,B1\n"   // same as line 2
                                           "05/04/2026,1,R,FEE,1500,,B9\n";                 // another bill
    const Result first = import(file);
    EXPECT_EQ(first.out, QStringLiteral("%1:4: duplicate of line 2, skipped\n"
                                        "Imported 3 vouchers (Jou. No. 1 to 3): receipts 3,000.00, payments 250.50; "
                                        "1 duplicate skipped\n")
                             .arg(csv));
    const Result again = import(file);
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(again.out, QStringLiteral("%1:2: duplicate of voucher 1, skipped\n"
                                        "%1:3: duplicate of voucher 2, skipped\n"
                                        "%1:4: duplicate of voucher 1, skipped\n"
                                        "%1:5: duplicate of voucher 3, skipped\n"
                                        "Imported no vouchers; 4 duplicates skipped\n")
                             .arg(csv));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 3);

    const Result allowed = import(file, {QStringLiteral("--allow-duplicates")});
    EXPECT_EQ(allowed.out,
              QStringLiteral("Imported 4 vouchers (Jou. No. 4 to 7): receipts 4,500.00, payments 250.50\n"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 7);
}

TEST_F(Import, ADryRunChecksAndStoresNothing)
{
    const Result result = import(kTwoVouchers, {QStringLiteral("--dry-run")});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out,
              QStringLiteral("Checked 2 vouchers: receipts 1,500.00, payments 250.50; nothing was stored (--dry-run)\n"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 0);
    EXPECT_EQ(shopHeads(), QString());
}

TEST_F(Import, AFailureWhileStoringLeavesNoneOfTheVouchers)
{
    // The third insert fails, after two vouchers and a head were written.
    conn.execute(QStringLiteral("create trigger refuse before insert on journal when new.amount = 999 "
                                "begin select raise(abort, 'the disk is full'); end"));
    const Result result = import(kTwoVouchers + "07/04/2026,1,P,RNT,9.99,,\n");
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("the disk is full"))) << result.err.toStdString();
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 0);
    EXPECT_EQ(shopHeads(), QString());
}

TEST_F(Import, AFileThatCannotBeReadIsNamed)
{
    const QString missing = home.file(QStringLiteral("missing.csv"));
    const Result result = run({QStringLiteral("import"), QStringLiteral("vouchers"), missing});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("pellam: The file %1 cannot be read: No such file or directory\n").arg(missing));
}
