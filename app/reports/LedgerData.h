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

struct LedgerHead {
    int accNo = 0;
    QString name;
    Currency opening;         // debit positive
    QList<LedgerVoucher> vouchers;
    Currency debitTotal;      // the opening counted on its side
    Currency creditTotal;

    // The closing balance goes on the side of the smaller total: the
    // credit side when the debits are larger.
    bool debitsLarger() const { return debitTotal > creditTotal; }
    Currency balance() const { return debitsLarger() ? debitTotal - creditTotal : creditTotal - debitTotal; }
};

// One ledger, computed once and written by any route.
// Told the name of each head as its turn comes, so the status bar can show it.
using HeadStarted = std::function<void(const QString& headName)>;

struct LedgerDocument {
    LedgerRequest request;
    ReportProgress progress;  // told as the vouchers pass, when set
    QString title;            // the institution's ledger heading
    QString place;            // its place line
    QList<LedgerHead> heads;
};

} // namespace pellam::app
