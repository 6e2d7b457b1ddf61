#pragma once

#include "data/FinancialYear.h"
#include "database/Connection.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

namespace pellam::data {

// The ledger heads whose balance carries into next year's openings: the
// ones marked "Carry forward balance" (assets and liabilities) and always
// the cash account.
class BalanceHeads {
public:
    explicit BalanceHeads(db::Connection& conn) : conn_(conn) {}

    bool isMarked(int accno) const;
    // Marks or unmarks the head, inside the caller's transaction if any.
    void mark(int accno, bool carry);
    // The marked heads and the cash account.
    QSet<int> carried(int cashAccNo) const;

private:
    db::Connection& conn_;
};

// A head's balance in one institution, in paise: a debit above 0, a credit
// below.
struct HeadBalance {
    int accno = 0;
    qint64 shopId = 0;
    qint64 paise = 0;
    friend bool operator==(const HeadBalance&, const HeadBalance&) = default;
};

// The balance as an opening row stores it: the amount and "D" or "C" (a
// zero balance is the zero debit a new year starts with).
std::pair<qint64, QString> openingOf(qint64 paise);

// For every head of `heads` and every institution of the books: its
// opening plus the debits less the credits of its vouchers dated in
// `year`, by head and institution.
QList<HeadBalance> closingBalances(db::Connection& books, const QSet<int>& heads, const FinancialYear& year);
// For every head of `heads` and every institution of the books: its
// opening (several rows of a pair add up; none is zero).
QList<HeadBalance> openingBalances(db::Connection& books, const QSet<int>& heads);
// Writes the balances as the openings of their heads and institutions
// (each pair's rows replaced by one), inside the caller's transaction.
void writeOpenings(db::Connection& books, const QList<HeadBalance>& balances);

// A carried head whose opening in the new year differs from its closing
// balance in the year before.
struct CarryDifference {
    int accno = 0;
    QString code;
    QString name;
    qint64 shopId = 0;
    QString shopName;
    qint64 opening = 0;   // in the new year's books
    qint64 closing = 0;   // in the year before
    friend bool operator==(const CarryDifference&, const CarryDifference&) = default;
};

// The carried balances of the new year's books against the closing
// balances of the year before, read from that year's books. The heads are
// the new books' balance heads and cash account; a head or an institution
// the new books do not have is not compared.
class CarryForwardCheck {
public:
    CarryForwardCheck(db::Connection& newBooks, int cashAccNo, db::Connection& oldBooks, FinancialYear oldYear);

    QList<CarryDifference> differences() const;
    // Rewrites the openings that differ with the old closings, in one
    // transaction, and remembers the books as agreeing.
    void update(const QList<CarryDifference>& differences);

    // What the start-up says, once, when the year before changed since the
    // closing (or the last update): the differences are no longer those
    // the closing left.
    std::optional<QString> changedSinceClosing();

    // Remembers `differences` as what the closing (or an update) left.
    static void rememberClosing(db::Connection& newBooks, const QList<CarryDifference>& differences);

private:
    static QByteArray digest(const QList<CarryDifference>& differences);

    db::Connection& newBooks_;
    int cashAccNo_;
    db::Connection& oldBooks_;
    FinancialYear oldYear_;
};

// "1 carried balance differs", "3 carried balances differ".
QString differingBalances(qsizetype count);

// "1,500.00 D": a balance as the lists of carried balances show it.
QString balanceText(qint64 paise);

// The books of the year before `year` in the data folder, or nothing when
// there are none.
std::optional<QString> previousYearBooks(const QString& dataFolder, const FinancialYear& year);

// The start-up's notice for the books of `year` when the year before
// changed since the closing; nothing when it did not, when it has been told
// already, or when there are no books of the year before.
std::optional<QString> carriedBalancesNotice(db::Connection& books, int cashAccNo, const QString& dataFolder,
                                             const FinancialYear& year);

} // namespace pellam::data
