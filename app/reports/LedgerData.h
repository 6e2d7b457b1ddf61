#pragma once

#include <functional>

#include "reports/ReportChoices.h"
#include "reports/ReportProgress.h"
#include "types/Currency.h"

#include <QDate>
#include <QList>
#include <QString>

namespace pellam::app {

// What the user chose for one ledger run.
struct LedgerRequest : ReportChoices {
    QList<int> heads;         // ledger heads (accno)
};

struct LedgerVoucher {
    bool debit = false;       // the voucher debits the head
    QDate date;
    qint64 jouNo = 0;
    int serial = 0;           // 1, 2, ... within the head
    QString billNo;           // null when the voucher has none
    qint64 shopId = 0;
    QString otherName;        // the other side's head
    Currency amount;
    QString narration;
};

// A head as it is known before its vouchers.
struct LedgerHead {
    int accNo = 0;
    QString name;
    Currency opening;         // debit positive
};

// A head's sums, kept as its vouchers pass.
class LedgerTotals {
public:
    // The opening counts on its side.
    explicit LedgerTotals(Currency opening = {});
    void add(const LedgerVoucher& voucher) { (voucher.debit ? debit_ : credit_) += voucher.amount; }

    Currency debit() const { return debit_; }
    Currency credit() const { return credit_; }
    // The closing balance goes on the side of the smaller total: the
    // credit side when the debits are larger.
    bool debitsLarger() const { return debit_ > credit_; }
    Currency balance() const { return debitsLarger() ? debit_ - credit_ : credit_ - debit_; }

private:
    Currency debit_;
    Currency credit_;
};

// Told the name of each head as its turn comes, so the status bar can show it.
using HeadStarted = std::function<void(const QString& headName)>;

// Hands each posting of the period to `each` with the head it is under (its
// place in the document's heads): the heads in their order, each head's
// postings by date, read from the books as they go, never held. A voucher
// is under its debited head and its credited head, once when they are one.
using LedgerPostingWalk = std::function<void(const std::function<void(int head, LedgerVoucher&)>& each)>;

// One ledger: what is known before its vouchers (the heads and their
// openings), and the walk over them that every route takes once.
struct LedgerDocument {
    LedgerRequest request;
    ReportProgress progress;  // told as the vouchers pass, when set
    QString title;            // the institution's ledger heading
    QString place;            // its place line
    QList<LedgerHead> heads;
    LedgerPostingWalk postings;
};

// What a route does as the ledger passes: every head starts and ends, even
// one without a voucher in the period.
struct LedgerSteps {
    std::function<void(const LedgerHead&)> headStarts;
    std::function<void(const LedgerVoucher&)> voucher;
    std::function<void(const LedgerHead&, const LedgerTotals&)> headEnds;
};

// Walks the ledger once, head by head: tells `headStarted` each head's name,
// numbers its vouchers 1, 2, ... (the serial column), keeps its totals and
// tells the document's progress, by the heads done, about every thousand
// postings.
void walkLedger(const LedgerDocument& doc, const LedgerSteps& steps, const HeadStarted& headStarted = {});

} // namespace pellam::app
