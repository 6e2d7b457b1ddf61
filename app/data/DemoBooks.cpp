#include "data/DemoBooks.h"

#include "data/DatabaseFiles.h"
#include "data/DemoCatalogue.h"
#include "data/YearBooks.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <QStringList>
#include <vector>

namespace pellam::data {

namespace {

constexpr int kCashAccNo = 1;

// SplitMix64: the same numbers on every platform and compiler, unlike the
// standard library's distributions.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : state_(seed) {}
    quint64 next()
    {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    quint64 state_;
};

struct Head {
    int accno;
    const demo::HeadKind* kind;
};

void requireRange(const char* what, int value, int low, int high)
{
    if (value < low || value > high)
        throw PellamError(InvalidCall, QStringLiteral("The number of %1 must be from %2 to %3.")
                                 .arg(QLatin1String(what)).arg(low).arg(high));
}

// The n-th of a list, numbered once the list has been used up: DONATIONS,
// ..., DONATIONS 2.
QString numbered(const char* base, int index, int listSize)
{
    const int round = index / listSize;
    return QString::fromUtf8(base) + (round == 0 ? QString() : QLatin1Char(' ') + QString::number(round + 1));
}

void writeInstitutions(db::Connection& conn, int count)
{
    const auto& kinds = demo::institutionKinds();
    conn.execute(QStringLiteral("delete from organization"));
    for (int i = 0; i < count; ++i) {
        const demo::InstitutionKind& kind = kinds[i % kinds.size()];
        const QString name = numbered(kind.name, i, int(kinds.size()));
        conn.execute(QStringLiteral("insert into organization(ShopId, shopName, Place, Post, PinCode, Ledname, RecName, "
                                    "Qname, MonName) values(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {i + 1, name, QString::fromUtf8(kind.place), QString::fromUtf8(kind.post),
                      QString::fromUtf8(kind.pinCode), name, name, name, name});
    }
}

std::vector<Head> writeHeads(db::Connection& conn, int count)
{
    const auto& kinds = demo::headKinds();
    std::vector<Head> heads;
    for (int i = 0; i < count; ++i) {
        const demo::HeadKind& kind = kinds[i % kinds.size()];
        const int round = i / int(kinds.size());
        const QString code = QString::fromUtf8(kind.code) + (round == 0 ? QString() : QString::number(round + 1));
        conn.execute(QStringLiteral("insert into account(AccCode, AccountName, Remarks) values(?, ?, '')"),
                     {code, numbered(kind.name, i, int(kinds.size()))});
        heads.push_back({int(conn.lastInsertId()), &kind});
    }
    return heads;
}

void writeOpenings(db::Connection& conn, DemoRandom& random, const std::vector<Head>& heads, int institutions)
{
    const QString insert = QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(?, ?, ?, ?)");
    conn.execute(QStringLiteral("delete from accountopening"));
    for (int shop = 1; shop <= institutions; ++shop) {
        conn.execute(insert, {kCashAccNo, shop, qint64(random.between(5000, 200000)) * 100, QStringLiteral("D")});
        for (const Head& head : heads) {
            const bool carried = random.chance(15);
            const qint64 paise = carried ? qint64(random.between(head.kind->minRupees, head.kind->maxRupees)) * 100 : 0;
            conn.execute(insert, {head.accno, shop, paise, QString::fromLatin1(head.kind->receipt ? "C" : "D")});
        }
    }
}

// The heads one institution uses, receipts and payments apart.
struct HeadsInUse {
    std::vector<Head> receipts, payments;
};

// Each institution uses about two heads in three, at least one of each
// side when the books have one; shopacc lists them.
std::vector<HeadsInUse> writeHeadsInUse(db::Connection& conn, DemoRandom& random, const std::vector<Head>& heads,
                                        int institutions)
{
    std::vector<HeadsInUse> used(institutions);
    for (int shop = 1; shop <= institutions; ++shop) {
        HeadsInUse& mine = used[shop - 1];
        for (const Head& head : heads) {
            auto& side = head.kind->receipt ? mine.receipts : mine.payments;
            if (random.chance(67) || side.empty())
                side.push_back(head);
        }
        for (const auto* side : {&mine.receipts, &mine.payments})
            for (const Head& head : *side)
                conn.execute(QStringLiteral("insert into shopacc(Shopid, accno) values(?, ?)"), {shop, head.accno});
    }
    return used;
}

// Somewhat fewer receipts than payments, as in a trust's cash book.
const Head& pickHead(const HeadsInUse& heads, DemoRandom& random)
{
    const bool receipt = heads.payments.empty() || (!heads.receipts.empty() && random.chance(40));
    const auto& side = receipt ? heads.receipts : heads.payments;
    return side[random.below(int(side.size()))];
}

QString narrationFor(const demo::HeadKind& kind, const QDate& date, DemoRandom& random)
{
    const auto& people = demo::people();
    QString text = QString::fromUtf8(kind.narration);
    text.replace(QStringLiteral("%p"), QString::fromUtf8(people[random.below(int(people.size()))]));
    text.replace(QStringLiteral("%m"), date.toString(QStringLiteral("MMMM yyyy")).toUpper());
    return text;
}

void writeVouchers(db::Connection& conn, DemoRandom& random, const std::vector<HeadsInUse>& used,
                   const FinancialYear& year, int count)
{
    const QString insert = QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, "
                                          "narration, billno, userid) values(?, ?, ?, ?, ?, ?, ?, ?)");
    const QString user = QStringLiteral("MERION");
    const qint64 days = year.start.daysTo(year.end) + 1;
    std::vector<int> billNumbers(used.size(), 0);
    for (int i = 0; i < count; ++i) {
        // Vouchers are entered day by day, so numbers follow the dates.
        const QDate date = year.start.addDays(qint64(i) * days / count);
        const int shop = random.below(int(used.size()));
        const Head& head = pickHead(used[shop], random);
        const demo::HeadKind& kind = *head.kind;
        qint64 paise = qint64(random.between(kind.minRupees, kind.maxRupees)) * 100;
        if (random.chance(20))
            paise += random.below(100);
        const int bill = ++billNumbers[shop] % 1000000;
        conn.execute(insert, {shop + 1, kind.receipt ? kCashAccNo : head.accno, kind.receipt ? head.accno : kCashAccNo,
                              date.toString(Qt::ISODate), paise, narrationFor(kind, date, random),
                              QLatin1Char(kind.receipt ? 'R' : 'B') + QString::number(bill), user});
    }
}

// Indexes are built once after the vouchers instead of row by row.
void dropJournalIndexes(db::Connection& conn)
{
    conn.executeScript(QStringLiteral("drop index if exists journal_debit; drop index if exists journal_credit; "
                                      "drop index if exists journal_shop; drop index if exists journal_date;"));
}

} // namespace

void createDemoBooks(const QString& file, const FinancialYear& year, const DemoOptions& options)
{
    requireRange("institutions", options.institutions, 1, 9999);
    requireRange("heads", options.heads, 1, 30000);
    requireRange("vouchers", options.vouchers, 0, 50000000);
    writeDatabaseAtomically(file, [&](db::Connection& conn) {
        writeNewBooks(conn);
        conn.execute(QStringLiteral("pragma cache_size=-65536"));
        DemoRandom random(options.seed);
        db::Transaction transaction(conn);
        dropJournalIndexes(conn);
        writeInstitutions(conn, options.institutions);
        const std::vector<Head> heads = writeHeads(conn, options.heads);
        writeOpenings(conn, random, heads, options.institutions);
        const auto used = writeHeadsInUse(conn, random, heads, options.institutions);
        writeVouchers(conn, random, used, year, options.vouchers);
        createSchema(conn);
        transaction.commit();
    });
}

} // namespace pellam::data
