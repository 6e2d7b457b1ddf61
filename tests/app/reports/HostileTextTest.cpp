// Texts in the books that hold control characters and line breaks, through
// every report and every route: each such character comes out as a blank,
// so a stored text can neither add a line of its own nor send a code.
#include "LedgerFixture.h"
#include "PrintRun.h"
#include "TextLines.h"
#include "excel/ExcelWorkbook.h"
#include "reports/LedgerBuilder.h"
#include "reports/MonthlyBuilder.h"
#include "reports/QuarterlyBuilder.h"
#include "reports/RecPayBuilder.h"
#include "reports/ReportRoute.h"
#include "reports/SummaryBuilder.h"
#include "support/WorkbookCells.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

// A stored text and the same text typed with blanks where it has control
// characters: what every route must show for it.
struct StoredText {
    QString hostile;
    QString plain;
};

QString withNul(const char* before, const char* after)
{
    return QString::fromLatin1(before) + QChar(0) + QString::fromLatin1(after);
}

// The forged voucher line of a head name, and narrations that carry printer
// codes (ESC @ resets an ESC/P printer, ESC E sets bold, SO double width).
const StoredText kDonations{QStringLiteral("DONATIONS\n07/05/2025 By CASH A/C 99,99,999.00"),
                            QStringLiteral("DONATIONS 07/05/2025 By CASH A/C 99,99,999.00")};
const StoredText kFees{QStringLiteral("FEES\tRECEIVED"), QStringLiteral("FEES RECEIVED")};
const StoredText kReceiptNarration{withNul("RECEIVED\x1b@ WITH\x07THANKS", "FROM\rTHE PARISH"),
                                   QStringLiteral("RECEIVED @ WITH THANKS FROM THE PARISH")};
const StoredText kPaymentNarration{QStringLiteral("PAID\r\n07/05/2025 To FEES 1,00,000.00"),
                                   QStringLiteral("PAID  07/05/2025 To FEES 1,00,000.00")};
const StoredText kReceiptBill{QStringLiteral("B\x0e" "7"), QStringLiteral("B 7")};
const StoredText kPaymentBill{QStringLiteral("9\x1b" "E1"), QStringLiteral("9 E1")};
const StoredText kLedgerTitle{QStringLiteral("ST. MARY'S\r\nLEDGER"), QStringLiteral("ST. MARY'S  LEDGER")};
const StoredText kCashBookTitle{QStringLiteral("CASH BOOK\x1b" "E\x0c" "OF ST. MARY'S"),
                                QStringLiteral("CASH BOOK E OF ST. MARY'S")};
const StoredText kQuarterTitle{QStringLiteral("QUARTERLY") + QChar(0x2028) + QStringLiteral("ACCOUNTS"),
                               QStringLiteral("QUARTERLY ACCOUNTS")};
const StoredText kMonthTitle{QStringLiteral("STATEMENT") + QChar(0x85) + QStringLiteral("OF ACCOUNTS"),
                             QStringLiteral("STATEMENT OF ACCOUNTS")};
const StoredText kPlace{QStringLiteral("ARAVURAM\vPOST"), QStringLiteral("ARAVURAM POST")};
const StoredText kPinCode{QStringLiteral("680\x7f" "100"), QStringLiteral("680 100")};

enum Head { Cash = 1, Donations = 2, Fees = 3 };

// One institution, two heads, a receipt and a payment in May, every
// stored text hostile or plain.
struct Books : test::AppTestBooks {
    explicit Books(bool hostile) : AppTestBooks(true, QDate(2026, 4, 1))
    {
        const auto text = [hostile](const StoredText& t) { return hostile ? t.hostile : t.plain; };
        db::Connection& c = conn();
        c.execute(QStringLiteral("update organization set shopName = 'ST. MARY''S', Place = ?, PinCode = ?, Ledname = ?,"
                                 " RecName = ?, Qname = ?, MonName = ? where ShopId = 1"),
                  {text(kPlace), text(kPinCode), text(kLedgerTitle), text(kCashBookTitle), text(kQuarterTitle),
                   text(kMonthTitle)});
        for (const auto& [accno, name] : {std::pair{Donations, text(kDonations)}, {Fees, text(kFees)}}) {
            c.execute(QStringLiteral("insert into account(accno, AccCode, AccountName) values(?, ?, ?)"),
                      {accno, QStringLiteral("H%1").arg(accno), name});
            c.execute(QStringLiteral("insert or ignore into shopacc(accno, Shopid) values(?, 1)"), {accno});
        }
        const auto voucher = [&](int debit, int credit, qint64 paise, const StoredText& narration,
                                 const StoredText& bill) {
            c.execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration,"
                                     " billno) values(1, ?, ?, '2026-05-07', ?, ?, ?)"),
                      {debit, credit, paise, text(narration), text(bill)});
        };
        voucher(Cash, Donations, 150000, kReceiptNarration, kReceiptBill);
        voucher(Fees, Cash, 25050, kPaymentNarration, kPaymentBill);
        state().CashAccNo = Cash;
    }
};

// Every report of the books, each with every option that shows a stored text.
struct Reports {
    LedgerDocument ledger;
    RecPayDocument cashBook;
    SummaryDocument summary;
    MonthlyDocument monthly;
    QuarterlyDocument quarterly;

    explicit Reports(db::Connection& conn)
    {
        LedgerRequest choices;
        choices.shops = {1};
        choices.heads = {Donations, Fees};
        choices.from = QDate(2026, 4, 1);
        choices.to = QDate(2027, 3, 31);
        choices.reference = ReportReference::BillNo;
        choices.narration = true;
        ledger = LedgerBuilder(conn).build(choices);
        cashBook = RecPayBuilder(conn).build(choices);
        summary = SummaryBuilder(conn).build(
            {{1}, choices.from, choices.to, QStringLiteral("01/04/2026"), QStringLiteral("31/03/2027"), true});
        monthly = MonthlyBuilder(conn).build({{1}, 5, choices.from, choices.to}, Cash);
        QuarterRequest quarter;
        quarter.shops = {1};
        quarter.quarter = QStringLiteral("First");
        quarter.yearStart = choices.from;
        quarter.yearEnd = choices.to;
        quarterly = QuarterlyBuilder(conn).build(quarter, Cash);
    }

    // `out` of every report's route, one after the other.
    template <class Out>
    void each(Out&& out) const
    {
        out("ledger", route(ledger));
        out("cash book", route(cashBook));
        out("summary", route(summary));
        out("monthly", route(monthly));
        out("quarterly", route(quarterly));
    }
};

bool controlOrBreak(QChar ch)
{
    const char16_t c = ch.unicode();
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// What a route makes of the books: the same, hostile or plain, and never a
// control character or a line break inside a line.
template <class Render>
void expectHostileAsPlain(Render render)
{
    QStringList hostile, plain;
    {
        Books books(true);
        hostile = render(books);
    }
    {
        Books books(false);
        plain = render(books);
    }
    EXPECT_EQ(hostile, plain);
    for (const QString& line : hostile) {
        EXPECT_FALSE(std::any_of(line.cbegin(), line.cend(), controlOrBreak)) << line.toStdString();
        EXPECT_FALSE(line.trimmed().startsWith(QStringLiteral("07/05/2025"))) << "a forged line: " << line.toStdString();
    }
}

} // namespace

TEST(HostileText, TheTextFileHasNoLineAStoredTextAdds)
{
    expectHostileAsPlain([](Books& books) {
        QStringList lines;
        Reports(books.conn()).each([&](const char*, const ReportRoute& report) {
            report.text([&lines](const QString& line) { lines << line; });
        });
        return lines;
    });
    Books books(true);
    const QStringList ledger = test::textLines(Reports(books.conn()).ledger);
    EXPECT_TRUE(ledger.contains(QStringLiteral("   Ledger report  of DONATIONS 07/05/2025 By CASH A/C 99,99,999.00")));
    EXPECT_TRUE(ledger.contains(QStringLiteral("                      [RECEIVED @ WITH THANKS FROM THE")));
}

TEST(HostileText, ADocumentMadeWithoutTheBuildersIsWrittenWithBlanksToo)
{
    LedgerDocument doc;
    doc.request.from = doc.request.to = QDate(2026, 5, 7);
    doc.request.narration = true;
    doc.title = QStringLiteral("LEDGER") + QChar(0);
    LedgerHead head;
    head.name = kDonations.hostile;
    LedgerVoucher v;
    v.date = doc.request.from;
    v.otherName = QStringLiteral("CASH\x1b" "E");
    v.narration = kReceiptNarration.hostile;
    doc.heads << head;
    doc.postings = [v](const auto& each) {
        LedgerVoucher posted = v;
        each(0, posted);
    };

    const QStringList text = test::textLines(doc);
    test::PrintRun run(0);
    run.run([&](ReportPrinter& p) { route(doc).print(p); });
    QStringList printed;
    for (const PrintedLine& l : run.printed)
        printed << l.text;
    for (const QStringList& lines : {text, printed}) {
        ASSERT_FALSE(lines.isEmpty());
        for (const QString& line : lines)
            EXPECT_FALSE(std::any_of(line.cbegin(), line.cend(), controlOrBreak)) << line.toStdString();
    }
    EXPECT_EQ(text.mid(0, 2), (QStringList{QStringLiteral("   LEDGER "),
                                           QStringLiteral("   Ledger report  of ") + kDonations.plain}));
    EXPECT_EQ(text.value(7), QStringLiteral("          07/05/2026    By   CASH E") + QString(44, QLatin1Char(' ')) +
                                 QStringLiteral("0.00"));
}

TEST(HostileText, ThePrinterGetsNoControlCharacter)
{
    expectHostileAsPlain([](Books& books) {
        QStringList lines;
        Reports(books.conn()).each([&](const char*, const ReportRoute& report) {
            test::PrintRun run(report.pageOffset, report.paper);
            run.run([&](ReportPrinter& p) { report.print(p); });
            for (const PrintedLine& l : run.printed)
                lines << l.text;
        });
        return lines;
    });
}

TEST(HostileText, WorkbookCellsHoldNoControlCharacter)
{
    expectHostileAsPlain([](Books& books) {
        QStringList cells;
        Reports(books.conn()).each([&](const char* name, const ReportRoute& report) {
            if (!report.sheet)
                return;
            const QString file = books.home.file(QString::fromLatin1(name) + QStringLiteral(".xlsx"));
            ExcelWorkbook book(file);
            report.sheet(book);
            book.Save();
            const QMap<QString, test::WorkbookCell> read = test::workbookCells(file);
            for (auto it = read.cbegin(); it != read.cend(); ++it)
                cells << QString::fromLatin1(name) + QLatin1Char(' ') + it.key() + QLatin1Char(' ') + it->shown;
        });
        return cells;
    });
}
