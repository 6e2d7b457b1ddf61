#pragma once

#include "reports/ReportChoices.h"
#include "reports/ReportProgress.h"
#include "types/Currency.h"

#include <QList>
#include <QString>

namespace pellam::app {

struct RecPayVoucher {
    bool receipt = false;     // the voucher debits the cash account
    QDate date;
    qint64 jouNo = 0;
    int serial = 0;           // 1, 2, ... through the cash book
    QString billNo;           // null when the voucher has none
    qint64 shopId = 0;
    QString accountName;      // the head on the other side
    Currency amount;
    QString narration;
};

// The cash book of the chosen institutions for a period, computed once and
// written by any route.
struct RecPayDocument {
    ReportChoices request;
    ReportProgress progress;  // told as the vouchers pass, when set
    QString title;            // the institution's receipt and payment heading
    QString place;            // its place line
    int cashAccNo = 0;
    Currency opening;         // cash in hand at the start, receipts positive
    QList<RecPayVoucher> vouchers;
    Currency receipts;        // the opening counted on its side
    Currency payments;

    // The closing cash stands on the side that is short: in the payment
    // column when receipts exceed payments, else in the receipt column.
    bool balanceIsPayment() const { return receipts > payments; }
    Currency balance() const { return balanceIsPayment() ? receipts - payments : payments - receipts; }
    // Both sides once the balance is added: equal by construction.
    Currency balancedTotal() const { return balanceIsPayment() ? receipts : payments; }
};

} // namespace pellam::app
