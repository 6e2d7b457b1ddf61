#pragma once

#include <QDate>
#include <QList>

namespace pellam::app {

// Which reference the voucher lines carry.
enum class ReportReference { None, JouNo, BillNo, SerialNo };

// The choices every voucher report's window offers.
struct ReportChoices {
    QList<qint64> shops;      // institutions, in list order
    QDate from;
    QDate to;
    ReportReference reference = ReportReference::None;
    bool shopColumn = false;  // the institution number column
    bool lines = false;       // a rule under every voucher
    bool narration = false;   // the narration under its voucher
    int pageOffset = 0;       // added to printed page numbers
};

} // namespace pellam::app
