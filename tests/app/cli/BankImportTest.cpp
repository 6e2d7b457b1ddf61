#include "VoucherBooks.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

using Result = test::ToolResult;

// A bank's export: its title lines, then its own columns, dates as
// 02-Apr-2026, credits and debits in two columns with grouping commas.
const QByteArray kStatement = "State Bank of India\n"
                              "Account Number,00000012345678\n"
                              "\n"
                              "Txn Date,Value Date,Description,Ref No./Cheque No.,Debit,Credit,Balance\n"
                              "02-Apr-2026,02-Apr-2026,NEFT-Fees collection-ABC,123456,,\"1,500.00\",\"11,500.00\"\n"
                              "05-Apr-2026,05-Apr-2026,CHQ paid  milk supplier,000789,250.50,,\"11,249.50\"\n"
                              "07-Apr-2026,07-Apr-2026,INTEREST CREDIT,,,12.00,\"11,261.50\"\n";

struct BankImport : test::VoucherBooks {
    QString csv = home.file(QStringLiteral("statement.csv"));

    BankImport()
    {
        EXPECT_EQ(run({QStringLiteral("import"), QStringLiteral("mapping"), QStringLiteral("save"), QStringLiteral("SBI"),
                       QStringLiteral("--date-column"), QStringLiteral("txn date"), QStringLiteral("--date-format"),
                       QStringLiteral("dd-mmm-yyyy"), QStringLiteral("--credit-column"), QStringLiteral("Credit"),
                       QStringLiteral("--debit-column"), QStringLiteral("Debit"), QStringLiteral("--narration-column"),
                       QStringLiteral("Description"), QStringLiteral("--bill-column"),
                       QStringLiteral("Ref No./Cheque No."), QStringLiteral("--shop"), QStringLiteral("2")})
                      .out,
                  QStringLiteral("Saved the import mapping SBI\n"));
        addRule("fees", "fee");
        addRule("MILK", "MLK");
    }
    void addRule(const char* contains, const char* head)
    {
        const Result added = run({QStringLiteral("import"), QStringLiteral("rule"), QStringLiteral("add"),
                                  QStringLiteral("sbi"), QStringLiteral("--contains"), QLatin1String(contains),
                                  QStringLiteral("--head"), QLatin1String(head)});
        EXPECT_EQ(added.code, 0) << added.err.toStdString();
    }
    Result import(const QByteArray& bytes, const QStringList& options = {})
    {
        QFile file(csv);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return run(QStringList{QStringLiteral("import"), QStringLiteral("vouchers"), csv, QStringLiteral("--mapping"),
                               QStringLiteral("SBI")} +
                   options);
    }
};

} // namespace

TEST_F(BankImport, RowsNoRuleMatchesAreListedAndRefuseTheImport)
{
    const Result result = import(kStatement);
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("%1:7: No rule of the mapping 'SBI' gives a head to 'INTEREST CREDIT'; add a "
                                         "rule or give a default head.\n"
                                         "pellam: 1 row refused; nothing was imported from %1\n")
                              .arg(csv));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 0);
}

TEST_F(BankImport, CreditsAreReceiptsDebitsPaymentsAndRulesGiveTheHeads)
{
    const Result result = import(kStatement, {QStringLiteral("--default-head"), QStringLiteral("rnt")});
    EXPECT_EQ(result.err, QString());
    EXPECT_EQ(result.out,
              QStringLiteral("Imported 3 vouchers (Jou. No. 1 to 3): receipts 1,512.00, payments 250.50\n"));
    EXPECT_EQ(row(1), QStringLiteral("2|1|8|2026-04-02|150000|NEFT-FEES COLLECTION-ABC|123456|MERION"));
    EXPECT_EQ(row(2), QStringLiteral("2|7|1|2026-04-05|25050|CHQ PAID MILK SUPPLIER|000789|MERION"));
    EXPECT_EQ(row(3), QStringLiteral("2|1|9|2026-04-07|1200|INTEREST CREDIT||MERION"));

    // The same statement again adds nothing.
    const Result again = import(kStatement, {QStringLiteral("--default-head"), QStringLiteral("RNT")});
    EXPECT_EQ(again.out, QStringLiteral("%1:5: duplicate of voucher 1, skipped\n"
                                        "%1:6: duplicate of voucher 2, skipped\n"
                                        "%1:7: duplicate of voucher 3, skipped\n"
                                        "Imported no vouchers; 3 duplicates skipped\n")
                             .arg(csv));
}

TEST_F(BankImport, RowsTheMappingCannotReadAreListed)
{
    const Result result =
        import("Txn Date,Description,Ref No./Cheque No.,Debit,Credit\n"
               "2026-04-02,fees,,,100\n"
               "02-Apr-2026,fees,,5.00,100\n"
               "02-Apr-2026,fees,,,\n"
               "02-Apr-2026,fees,,0.00,abc\n"
               "02-Apr-2026,fees\n"
               "02-Apr-2026,fees,,-40.00,\n"                 // a debit written negative: a payment of 40
               "02-Apr-2025,fees,,,100\n",
               {QStringLiteral("--dry-run")});
    EXPECT_EQ(result.err, QStringLiteral("%1:2: The date '2026-04-02' does not read as dd-mmm-yyyy.\n"
                                         "%1:3: The row has both a credit and a debit.\n"
                                         "%1:4: The row has neither a credit nor a debit.\n"
                                         "%1:5: The credit 'abc' is not an amount.\n"
                                         "%1:6: The row has 2 fields; the mapping 'SBI' reads 5.\n"
                                         "%1:8: Date cannot be Less than the 01/04/2026\n"
                                         "pellam: 6 rows refused; nothing was imported from %1\n")
                              .arg(csv));
}

TEST_F(BankImport, AFileWithoutTheMappingsColumnsIsRefused)
{
    const Result result = import("Date,Narration,Withdrawal,Deposit\n01-Apr-2026,fees,,100\n");
    EXPECT_EQ(result.err, QStringLiteral("%1:1: No row of the file is a header row with the columns of the mapping "
                                         "'SBI' (txn date, Credit, Debit, Description, Ref No./Cheque No.).\n"
                                         "pellam: 1 row refused; nothing was imported from %1\n")
                              .arg(csv));
}

TEST_F(BankImport, MappingsAndRulesAreListedShownAndDeleted)
{
    const auto tool = [this](const QStringList& words) { return run(QStringList{QStringLiteral("import")} + words); };
    EXPECT_EQ(tool({QStringLiteral("mapping"), QStringLiteral("list")}).out,
              QStringLiteral("SBI: date 'txn date' as dd-mmm-yyyy, credit 'Credit', debit 'Debit', narration "
                             "'Description', bill 'Ref No./Cheque No.'; institution 2\n"));
    EXPECT_EQ(tool({QStringLiteral("rule"), QStringLiteral("list"), QStringLiteral("SBI")}).out,
              QStringLiteral("rule 1: 'fees' -> FEE\nrule 2: 'MILK' -> MLK\n"));
    EXPECT_EQ(tool({QStringLiteral("rule"), QStringLiteral("delete"), QStringLiteral("SBI"), QStringLiteral("1")}).out,
              QStringLiteral("Deleted rule 1 of SBI\n"));
    const Result gone = tool({QStringLiteral("rule"), QStringLiteral("delete"), QStringLiteral("SBI"), QStringLiteral("1")});
    EXPECT_EQ(gone.code, 1);
    EXPECT_EQ(gone.err, QStringLiteral("pellam: The mapping SBI has no rule '1'.\n"));
    EXPECT_EQ(tool({QStringLiteral("mapping"), QStringLiteral("delete"), QStringLiteral("sbi")}).out,
              QStringLiteral("Deleted the import mapping SBI and its 1 rule\n"));
    EXPECT_EQ(count(QStringLiteral("select (select count(*) from importmapping) + (select count(*) from importrule)")), 0);
    const Result none = tool({QStringLiteral("mapping"), QStringLiteral("show"), QStringLiteral("SBI")});
    EXPECT_EQ(none.err, QStringLiteral("pellam: There is no import mapping 'SBI'.\n"));
}

TEST_F(BankImport, AMappingOrRuleTheBooksCannotServeIsRefused)
{
    struct Case {
        QStringList words;
        const char* error;
    };
    const QStringList save{QStringLiteral("mapping"),       QStringLiteral("save"),        QStringLiteral("HDFC"),
                           QStringLiteral("--date-column"), QStringLiteral("Date"),        QStringLiteral("--credit-column"),
                           QStringLiteral("Deposit"),       QStringLiteral("--debit-column"), QStringLiteral("Withdrawal"),
                           QStringLiteral("--narration-column"), QStringLiteral("Narration")};
    const Case cases[] = {
        {save + QStringList{QStringLiteral("--date-format"), QStringLiteral("dd/mm"), QStringLiteral("--shop"),
                            QStringLiteral("1")},
         "The date format 'dd/mm' is not one the mapping reads: use d or dd, m, mm or mmm, and yy or yyyy, once each "
         "(as dd/mm/yyyy or dd-mmm-yy)."},
        {save + QStringList{QStringLiteral("--date-format"), QStringLiteral("dd/mm/yy"), QStringLiteral("--shop"),
                            QStringLiteral("5")},
         "There is no institution '5'."},
        {save + QStringList{QStringLiteral("--date-format"), QStringLiteral("dd/mm/yy")},
         "The mapping needs its institution (--shop N)."},
        {{QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("SBI"), QStringLiteral("--contains"),
          QStringLiteral("atm"), QStringLiteral("--head"), QStringLiteral("cash")},
         "A rule cannot give the cash account: every voucher is already on it."},
        {{QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("SBI"), QStringLiteral("--contains"),
          QStringLiteral("atm"), QStringLiteral("--head"), QStringLiteral("XYZ")},
         "There is no ledger head with the code 'XYZ'."},
        {{QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("HDFC"), QStringLiteral("--contains"),
          QStringLiteral("atm"), QStringLiteral("--head"), QStringLiteral("FEE")},
         "There is no import mapping 'HDFC'."},
    };
    for (const Case& c : cases) {
        const Result result = run(QStringList{QStringLiteral("import")} + c.words);
        EXPECT_EQ(result.code, 1) << c.error;
        EXPECT_EQ(result.err, QStringLiteral("pellam: %1\n").arg(QString::fromUtf8(c.error)));
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from importmapping")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from importrule")), 2);
}

TEST_F(BankImport, WordsAndOptionsAnActionDoesNotTakeAreRefused)
{
    struct Case {
        QStringList words;
        const char* error;
    };
    const Case cases[] = {
        {{QStringLiteral("mapping")}, "import mapping needs one of: save, list, show, delete"},
        {{QStringLiteral("rule"), QStringLiteral("add")}, "'import rule add' needs the mapping's name"},
        {{QStringLiteral("rule"), QStringLiteral("delete"), QStringLiteral("SBI")},
         "'import rule delete' needs the rule's number"},
        {{QStringLiteral("mapping"), QStringLiteral("list"), QStringLiteral("SBI")}, "unexpected argument 'SBI'"},
        {{QStringLiteral("rule"), QStringLiteral("list"), QStringLiteral("SBI"), QStringLiteral("--shop"),
          QStringLiteral("1")},
         "'import rule list' takes no option '--shop'"},
        {{QStringLiteral("vouchers"), QStringLiteral("f.csv"), QStringLiteral("--default-head"), QStringLiteral("FEE")},
         "--default-head goes with --mapping"},
    };
    for (const Case& c : cases) {
        const Result result = run(QStringList{QStringLiteral("import")} + c.words);
        EXPECT_EQ(result.code, 2) << c.error;
        EXPECT_EQ(result.err, QStringLiteral("pellam: %1\n").arg(QString::fromUtf8(c.error)));
    }
}

TEST_F(BankImport, BooksMadeBeforeMappingsGetTheirTables)
{
    conn.executeScript(QStringLiteral("drop table importrule; drop table importmapping;"));
    const Result listed = run({QStringLiteral("import"), QStringLiteral("mapping"), QStringLiteral("list")});
    EXPECT_EQ(listed.code, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, QString());
    EXPECT_EQ(count(QStringLiteral("select count(*) from sqlite_master where name in ('importmapping', 'importrule')")), 2);
}
