#pragma once

#include "reports/RecPayData.h"

#include <QStringList>
#include <functional>

namespace pellam::app {

// The lines both routes share, built with the route's own wording.
QString recPayOpeningLine(const RecPayDocument& doc, const QString& toBalance, const QString& byBalance);
// The rule under every voucher when lines are chosen.
QString recPayVoucherRule();
// A voucher's line, its narration lines and its rule, as chosen.
QStringList recPayVoucherLines(const RecPayDocument& doc, const RecPayVoucher& voucher);
QString recPayTotalsLine(const RecPayDocument& doc, const QString& total);
QString recPayBalanceLine(const RecPayDocument& doc, const QString& balance);
QString recPayBalancedLine(const RecPayDocument& doc, int lead);

// The cash book as the lines of its text file, handed over one by one.
void writeRecPayText(const RecPayDocument& doc, const std::function<void(const QString&)>& writeLine);
QStringList recPayTextLines(const RecPayDocument& doc);

} // namespace pellam::app
