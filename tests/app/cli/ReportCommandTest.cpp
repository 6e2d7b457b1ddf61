#include "app/reports/InstitutionZeroFixture.h"
#include "app/reports/QuarterlyFixture.h"
#include "app/reports/RecPayFixture.h"
#include "app/reports/StatementFixture.h"
#include "cli/PellamTool.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

struct Result {
    int code;
    QString out, err;
};

Result pellamTool(const QStringList& arguments)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = cli::PellamTool(outStream, errStream).run(arguments);
    return {code, out, err};
}

const QStringList kLedger{"report", "ledger", "--date", "01/05/2026", "--from", "01/05/2026", "--to", "31/03/2027"};
const QStringList kRecPay{"report", "recpay", "--date", "01/05/2026", "--from", "01/05/2026", "--to", "31/03/2027"};

// A PDF of `pages` pages and a workbook, both where --out says.
void expectPdfAndWorkbook(const QStringList& report, test::TempHome& home, int pages)
{
    const QString pdf = home.file(QStringLiteral("report.pdf"));
    Result r = pellamTool(report + QStringList{"--format", "pdf", "--out", pdf});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QByteArray bytes = test::fileBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), pages);

    const QString xlsx = home.file(QStringLiteral("report.xlsx"));
    r = pellamTool(report + QStringList{"--format", "xlsx", "--out", xlsx});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(test::fileBytes(xlsx).startsWith("PK"));
}

struct BadChoice {
    QStringList extra;
    int code;
    const char* err; // null: the message names the file that cannot be written
};

// Each wrong call says so on one line, prints nothing and leaves no file.
void expectRefused(const QStringList& report, std::initializer_list<BadChoice> cases, const QString& missing)
{
    for (const BadChoice& c : cases) {
        const Result r = pellamTool(report + c.extra);
        EXPECT_EQ(r.code, c.code) << c.extra.join(' ').toStdString();
        if (c.err)
            EXPECT_EQ(r.err, QString::fromLatin1(c.err));
        else
            EXPECT_TRUE(r.err.contains(missing)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace

TEST(ReportLedger, TextIsTheSameAsThePreviewFile)
{
    test::LedgerBooks books;
    const QString expected = test::expected(QStringLiteral("ledger_jou_shop_narration.txt"));
    const Result r = pellamTool(kLedger + QStringList{"--ref", "jou", "--shop-column", "--narration"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, expected);

    const QString file = books.home.file(QStringLiteral("ledger.txt"));
    const Result toFile = pellamTool(kLedger + QStringList{"--heads", "DON", "--shops", "2", "--ref", "bill", "--lines",
                                                            "--out", file});
    EXPECT_EQ(toFile.code, 0) << toFile.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(test::fileBytes(file)), test::expected(QStringLiteral("ledger_bill_lines.txt")));
}

TEST(ReportLedger, PdfAndWorkbookFiles)
{
    test::LedgerBooks books;
    expectPdfAndWorkbook(kLedger + QStringList{"--page-offset", "10"}, books.home, 3);
}

TEST(ReportLedger, BadChoicesGiveOneLineAndNoFile)
{
    test::LedgerBooks books;
    expectRefused(kLedger,
                  {{{"--shops", "9"}, 2, "pellam: --shops: there is no institution '9'\n"},
                   {{"--heads", "XYZ"}, 2, "pellam: --heads: there is no ledger head with the code 'XYZ'\n"},
                   {{"--from", "01/06/2026", "--to", "01/05/2026"}, 2, "pellam: From Date is after To Date\n"},
                   {{"--to", "31/02/2027"}, 2, "pellam: --to must be a date as dd/mm/yyyy, not '31/02/2027'\n"},
                   {{"--ref", "page"}, 2, "pellam: --ref must be none, jou, bill or sl, not 'page'\n"},
                   {{"--format", "xlsx"}, 2, "pellam: --format xlsx needs --out FILE\n"},
                   {{"--heads", "CASH"}, 7, "pellam: There is no records\n"},
                   {{"--format", "pdf", "--out", books.home.file(QStringLiteral("no/such/ledger.pdf"))}, 8, nullptr}},
                  books.home.file(QStringLiteral("no/such/ledger.pdf")));
    EXPECT_EQ(pellamTool({"report"}).err, QStringLiteral("pellam: report needs the report's name (reports: ledger, recpay, summary, monthly, quarterly)\n"));
}

// pellam itself, in a child process whose disk is full once half of each
// file is written: every route says which file and why on one line, exits
// 8, and leaves no part of the file; one of that name from before stays.
TEST(ReportFiles, AFullDiskIsSaidOnOneLineAndLeavesTheFileAsItWas)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/pellam");
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "pellam is not built beside the tests";
    test::LedgerBooks books;
    QTemporaryDir runtime; // else Qt says on the error output that it has none
    const auto pellam = [&](const QStringList& arguments, qint64 limit, const QString& terminal = {}) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        process.setProcessEnvironment(env);
        if (limit > 0)
            test::limitFileSize(process, rlim_t(limit));
        if (!terminal.isEmpty())
            process.setStandardOutputFile(terminal);
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return Result{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                      QString::fromUtf8(process.readAllStandardError())};
    };
    const auto files = [&] { return QDir(books.home.path()).entryList(QDir::Files, QDir::Name); };
    for (const QString format : {"text", "pdf", "xlsx"}) {
        SCOPED_TRACE(format.toStdString());
        const QString file = books.home.file(QStringLiteral("report.") + format);
        const QStringList arguments = kLedger + QStringList{"--format", format, "--out", file};
        ASSERT_EQ(pellam(arguments, 0).code, 0);
        const QByteArray whole = test::fileBytes(file);
        const QStringList before = files();

        const Result full = pellam(arguments, whole.size() / 2);
        EXPECT_EQ(full.code, 8);
        const QString says = QStringLiteral("pellam: The file %1 cannot be written: ").arg(file);
        // A workbook's sheet is first made in a scratch file, which may be
        // the one that is cut short.
        if (format == QLatin1String("xlsx"))
            EXPECT_TRUE(full.err.startsWith(says) && full.err.count(QLatin1Char('\n')) == 1 && full.err.endsWith('\n'))
                << full.err.toStdString();
        else
            EXPECT_EQ(full.err, says + QStringLiteral("File too large\n"));
        EXPECT_EQ(test::fileBytes(file), whole);
        EXPECT_EQ(files(), before) << "nothing is left beside it";
    }

    // A workbook in a folder that does not exist: the writing library's own
    // lines stay off the error output too.
    const QString nowhere = books.home.file(QStringLiteral("no/such/report.xlsx"));
    const Result missing = pellam(kLedger + QStringList{"--format", "xlsx", "--out", nowhere}, 0);
    EXPECT_EQ(missing.code, 8);
    EXPECT_EQ(missing.err, QStringLiteral("pellam: The file %1 cannot be written: No such file or directory\n").arg(nowhere));

    // The report on the terminal, which a script sent to a file on that disk.
    const QString terminal = books.home.file(QStringLiteral("terminal.txt"));
    ASSERT_EQ(pellam(kLedger, 0, terminal).code, 0);
    const Result full = pellam(kLedger, QFileInfo(terminal).size() / 2, terminal);
    EXPECT_EQ(full.code, 8);
    EXPECT_EQ(full.err, QStringLiteral("pellam: The output cannot be written: File too large\n"));
}

TEST(ReportRecPay, TextIsTheSameAsThePreviewFile)
{
    test::RecPayBooks books;
    const Result r = pellamTool(kRecPay + QStringList{"--ref", "jou", "--shop-column", "--narration"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, test::expected(QStringLiteral("recpay_jou_shop_narration.txt")));

    const QString file = books.home.file(QStringLiteral("cashbook.txt"));
    const Result toFile = pellamTool(kRecPay + QStringList{"--shops", "2", "--ref", "bill", "--lines", "--out", file});
    EXPECT_EQ(toFile.code, 0) << toFile.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(test::fileBytes(file)), test::expected(QStringLiteral("recpay_bill_lines.txt")));
}

TEST(ReportRecPay, PdfAndWorkbookFiles)
{
    test::RecPayBooks books;
    expectPdfAndWorkbook(kRecPay + QStringList{"--page-offset", "10"}, books.home, 1);
}

TEST(ReportRecPay, BadChoicesGiveOneLineAndNoFile)
{
    test::RecPayBooks books;
    const QString missing = books.home.file(QStringLiteral("no/such/cashbook.xlsx"));
    expectRefused(kRecPay,
                  {{{"--shops", "9"}, 2, "pellam: --shops: there is no institution '9'\n"},
                   {{"--heads", "DON"}, 2, "pellam: 'report recpay' takes no option '--heads'\n"},
                   {{"--month", "3"}, 2, "pellam: 'report recpay' takes no option '--month'\n"},
                   {{"--from", "01/06/2026", "--to", "01/05/2026"}, 2, "pellam: From Date is after To Date\n"},
                   {{"--from", "1/13/2026"}, 2, "pellam: --from must be a date as dd/mm/yyyy, not '1/13/2026'\n"},
                   {{"--format", "pdf"}, 2, "pellam: --format pdf needs --out FILE\n"},
                   // The workbook writer fails on saving, not the command line up front.
                   {{"--format", "xlsx", "--out", missing}, 8, nullptr}},
                  missing);
}

TEST(ReportSummary, TextPdfAndWorkbookWithTheWindowsChoices)
{
    test::StatementBooks books;
    const QStringList summary{"report", "summary", "--date", "01/05/2026"};
    Result r = pellamTool(summary + QStringList{"--with-opening"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, test::expected(QStringLiteral("summary_year_with_opening.txt")));
    r = pellamTool(summary + QStringList{"--shops", "1", "--from", "01/05/2026", "--to", "31/01/2027"});
    EXPECT_EQ(r.out, test::expected(QStringLiteral("summary_school_no_opening.txt")));
    expectPdfAndWorkbook(summary, books.home, 1);
}

TEST(ReportSummary, InstitutionZeroCountsWhicheverInstitutionsAreChosen)
{
    test::BooksWithInstitutionZero books;
    const QStringList dispensary{"--date", "01/05/2026", "--shops", "2", "--from", "01/04/2026", "--to", "30/04/2026"};
    Result r = pellamTool(QStringList{"report", "summary"} + dispensary);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(" GIFTS                                  700.00           0.00\n")))
        << r.out.toStdString();
    // The cash book: the gift received, and the opening of institution 0
    // with the dispensary's.
    r = pellamTool(QStringList{"report", "recpay"} + dispensary);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("By Balance B/d                                   1,500.00\n"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("02/04/2026 GIFTS                                  700.00\n")))
        << r.out.toStdString();
}

TEST(ReportSummary, BadChoicesGiveOneLineAndNoFile)
{
    test::StatementBooks books;
    const QString missing = books.home.file(QStringLiteral("no/such/summary.txt"));
    expectRefused({"report", "summary", "--date", "01/05/2026"},
                  {{{"--heads", "DON"}, 2, "pellam: 'report summary' takes no option '--heads'\n"},
                   {{"--lines"}, 2, "pellam: 'report summary' takes no option '--lines'\n"},
                   {{"--from", "01/06/2026", "--to", "01/05/2026"}, 2, "pellam: From Date is after To Date\n"},
                   {{"--out", missing}, 8, nullptr}},
                  missing);
    // The voucher reports refuse the summary's own choice.
    EXPECT_EQ(pellamTool(kLedger + QStringList{"--with-opening"}).err,
              QStringLiteral("pellam: 'report ledger' takes no option '--with-opening'\n"));
}

TEST(ReportQuarterly, TextIsTheSameAsThePreviewFileForTheQuarterOfTheDate)
{
    test::QuarterlyBooks books;
    // January's quarter is the fourth.
    Result r = pellamTool({"report", "quarterly", "--date", "15/01/2027", "--lines"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, test::expected(QStringLiteral("quarterly_fourth_lines.txt")));

    r = pellamTool({"report", "quarterly", "--date", "15/01/2027", "--shops", "all", "--quarter", "first"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, test::expected(QStringLiteral("quarterly_first.txt")));
}

TEST(ReportQuarterly, PdfAndWorkbookFiles)
{
    test::QuarterlyBooks books;
    for (const char* format : {"pdf", "xlsx"}) {
        const QString file = books.home.file(QStringLiteral("quarter.") + QString::fromLatin1(format));
        const Result r = pellamTool({"report", "quarterly", "--date", "01/05/2026", "--format", format, "--out", file});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(test::fileBytes(file).startsWith(format == QLatin1String("pdf") ? "%PDF" : "PK")) << format;
    }
}

TEST(ReportQuarterly, BadChoicesGiveOneLineAndNoFile)
{
    test::QuarterlyBooks books;
    const QString missing = books.home.file(QStringLiteral("no/such/quarter.pdf"));
    expectRefused({"report", "quarterly", "--date", "01/05/2026"},
                  {{{"--quarter", "fifth"}, 2, "pellam: --quarter must be first, second, third or fourth, not 'fifth'\n"},
                   {{"--shops", "9"}, 2, "pellam: --shops: there is no institution '9'\n"},
                   {{"--from", "01/06/2026"}, 2, "pellam: 'report quarterly' takes no option '--from'\n"},
                   {{"--format", "pdf", "--out", missing}, 8, nullptr}},
                  missing);
}

TEST(ReportMonthly, TextIsTheSameAsThePreviewFile)
{
    test::StatementBooks books;
    struct Case {
        QStringList arguments;
        const char* file;
    };
    // Without --month, the month of the date.
    for (const Case& c : {Case{{"--date", "01/05/2026", "--month", "3"}, "monthly_both_march.txt"},
                          Case{{"--date", "10/04/2026", "--shops", "1"}, "monthly_school_april.txt"}}) {
        const Result r = pellamTool(QStringList{"report", "monthly"} + c.arguments);
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, test::expected(QString::fromLatin1(c.file))) << c.file;
    }
    const QString file = books.home.file(QStringLiteral("monthly.txt"));
    const Result toFile = pellamTool({"report", "monthly", "--date", "01/05/2026", "--shops", "2", "--month", "1",
                                      "--out", file});
    EXPECT_EQ(toFile.code, 0) << toFile.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(test::fileBytes(file)), test::expected(QStringLiteral("monthly_dispensary_january.txt")));

    const QString pdf = books.home.file(QStringLiteral("monthly.pdf"));
    const Result printed = pellamTool({"report", "monthly", "--date", "01/05/2026", "--format", "pdf", "--out", pdf});
    EXPECT_EQ(printed.code, 0) << printed.err.toStdString();
    EXPECT_TRUE(test::fileBytes(pdf).startsWith("%PDF"));
}

TEST(ReportMonthly, BadChoicesGiveOneLineAndNoFile)
{
    test::StatementBooks books;
    const QString xlsx = books.home.file(QStringLiteral("monthly.xlsx"));
    expectRefused({"report", "monthly", "--date", "01/05/2026"},
                  {{{"--format", "xlsx", "--out", xlsx}, 2,
                    "pellam: 'report monthly' has no workbook: --format must be text or pdf\n"},
                   {{"--month", "13"}, 2, "pellam: --month must be a whole number from 1 to 12, not '13'\n"},
                   {{"--from", "01/06/2026"}, 2, "pellam: 'report monthly' takes no option '--from'\n"},
                   {{"--shops", "9"}, 2, "pellam: --shops: there is no institution '9'\n"}},
                  xlsx);
    EXPECT_EQ(pellamTool(kLedger + QStringList{"--month", "3"}).err,
              QStringLiteral("pellam: 'report ledger' takes no option '--month'\n"));

    // Each run closes the shared connection after it.
    books.conn().Open(app::state().DbFile);
    books.conn().execute(QStringLiteral("delete from PostSettings where SettingName = 'CashAccNo'"));
    const Result r = pellamTool({"report", "monthly", "--date", "01/05/2026"});
    EXPECT_EQ(r.code, 7);
    EXPECT_EQ(r.err, QStringLiteral("pellam: Cannot find the cash account\n"));
}
