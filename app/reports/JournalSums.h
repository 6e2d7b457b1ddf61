#pragma once

#include "database/Connection.h"
#include "types/Currency.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <vector>

namespace pellam::app {

// A condition on a voucher's date that picks one column of a statement (a
// month, a period, the earlier months of the year), with its bound values.
struct DateBucket {
    QString sql;
    QVariantList params;

    // The vouchers of month `month` (1 to 12) by month number alone: the
    // books hold one financial year, so a month number names one month.
    static DateBucket month(int month);
    // The months of the financial year before `month`: April up to the
    // month before it; for January to March, April to December as well.
    static DateBucket monthsBefore(int month);
    static DateBucket between(const QDate& from, const QDate& to);
    static DateBucket before(const QDate& date);
};

// Each account's debits and credits in each bucket, read by one grouped
// query per side over the chosen institutions' vouchers: every head and the
// cash account at once, however many heads the books have.
class JournalSums {
public:
    JournalSums(db::Connection& conn, const QList<qint64>& shops, const QList<DateBucket>& buckets);

    // What the account was debited with in a bucket: a head's expense, the
    // cash received for the cash account.
    Currency debits(int accno, int bucket) const { return figure(debits_, accno, bucket); }
    // What it was credited with: a head's income, the cash paid out.
    Currency credits(int accno, int bucket) const { return figure(credits_, accno, bucket); }
    // Debits less credits: for the cash account, the cash it gained.
    Currency net(int accno, int bucket) const { return debits(accno, bucket) - credits(accno, bucket); }

private:
    using Sums = QHash<int, std::vector<qint64>>;
    Sums read(db::Connection& conn, const char* side, const QList<qint64>& shops, const QList<DateBucket>& buckets);
    Currency figure(const Sums& sums, int accno, int bucket) const;

    Sums debits_;
    Sums credits_;
};

// Told of each phase of a statement as it begins, for the status bar.
using StatementStatus = std::function<void(const QString&)>;
inline void tell(const StatementStatus& status, const char* text)
{
    if (status)
        status(QString::fromLatin1(text));
}

// What a statement says when the books name no cash account.
inline QString noCashAccount()
{
    return QStringLiteral("Cannot find the cash account");
}

// A head a statement lists.
struct StatementHead {
    int accno = 0;
    QString name;
};

// Every head but the cash account that one of the chosen institutions
// keeps, by name; the names printable().
QList<StatementHead> statementHeads(db::Connection& conn, const QList<qint64>& shops);

// The cash account's openings in the chosen institutions: an opening of
// type "C" counts against the cash, any other for it.
Currency cashOpening(db::Connection& conn, int cashAccNo, const QList<qint64>& shops);

} // namespace pellam::app
