#pragma once

#include "types/Currency.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pellam::app {

// A cash voucher as it is printed: the values as they stand in the voucher
// window, and the institution it belongs to.
struct PrintedVoucher {
    QString shopName;
    QString placeLine;     // place, " - ", pincode
    bool payment = true;
    QString billNo;
    QString date;          // dd/mm/yyyy
    Currency amount;
    QString amountWords;   // the amount in words as the word routine gives it
    QString narration;
    QString account;       // the head's name and, in parentheses, its code
};

// The small cash voucher for a dot-matrix printer: Windows-1252 text with
// CR LF line ends and the printer's ESC/P codes for paper feed, character
// spacing and double width. A control character in any of the voucher's
// texts prints as a blank.
class VoucherLayout {
public:
    // Every byte of the voucher, in the order the printer takes them.
    static QByteArray bytes(const PrintedVoucher& voucher);

    // "Paid Rs. ... Only" on one line up to 40 characters, else split at the
    // last blank within the first 40 (the next line begins with it), and a
    // longer rest likewise, until every line fits the form.
    static QStringList amountLines(const QString& words);
    // "   On Account of " and the narration, split at the last blank within
    // its first 38 characters when it is 39 or longer (after the 38th
    // character when there is no blank there), and a longer rest likewise,
    // so that the narration stays within the form however long it is.
    static QStringList narrationLines(const QString& narration);
};

} // namespace pellam::app
