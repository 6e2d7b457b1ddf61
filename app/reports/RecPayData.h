#pragma once

#include "reports/ReportChoices.h"
#include "reports/ReportProgress.h"
#include "types/Currency.h"

#include <QDate>
#include <QString>
#include <functional>

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

// Hands each voucher of the period that moves cash to `each`, in the cash
// book's order; read from the books as it goes, never held.
using RecPayVoucherWalk = std::function<void(const std::function<void(RecPayVoucher&)>& each)>;

// The cash book of the chosen institutions for a period: what is known
// before its vouchers, and the walk over them that every route takes once.
struct RecPayDocument {
    ReportChoices request;
    ReportProgress progress;  // told as the vouchers pass, when set
    QString title;            // the institution's receipt and payment heading
    QString place;            // its place line
    int cashAccNo = 0;
    Currency opening;         // cash in hand at the start, receipts positive
    RecPayVoucherWalk vouchers;
};

// The cash book's sums, kept as its vouchers pass.
class RecPayTotals {
public:
    // The opening counts on its side.
    explicit RecPayTotals(Currency opening);
    void add(const RecPayVoucher& voucher) { (voucher.receipt ? receipts_ : payments_) += voucher.amount; }

    Currency receipts() const { return receipts_; }
    Currency payments() const { return payments_; }
    // The closing cash stands on the side that is short: in the payment
    // column when receipts exceed payments, else in the receipt column.
    bool balanceIsPayment() const { return receipts_ > payments_; }
    Currency balance() const { return balanceIsPayment() ? receipts_ - payments_ : payments_ - receipts_; }
    // Both sides once the balance is added: equal by construction.
    Currency balancedTotal() const { return balanceIsPayment() ? receipts_ : payments_; }

private:
    Currency receipts_;
    Currency payments_;
};

// Walks the cash book's vouchers once: numbers them 1, 2, ... (the serial
// column), counts them into the totals it returns and tells the document's
// progress, by date within the period, about every thousand vouchers.
RecPayTotals walkRecPay(const RecPayDocument& doc, const std::function<void(const RecPayVoucher&)>& each);

} // namespace pellam::app
