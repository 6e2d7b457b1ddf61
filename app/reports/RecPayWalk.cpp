#include "reports/ProgressTicks.h"
#include "reports/RecPayData.h"

#include <algorithm>

namespace pellam::app {

RecPayTotals::RecPayTotals(Currency opening)
{
    if (opening > Currency())
        receipts_ = opening;
    else
        payments_ = opening.abs();
}

RecPayTotals walkRecPay(const RecPayDocument& doc, const std::function<void(const RecPayVoucher&)>& each)
{
    RecPayTotals totals(doc.opening);
    if (!doc.vouchers)
        return totals;
    ProgressTicks ticks(doc.progress);
    const double days = double(doc.request.from.daysTo(doc.request.to) + 1);
    int serial = 0;
    doc.vouchers([&](RecPayVoucher& v) {
        v.serial = ++serial;
        totals.add(v);
        each(v);
        ticks.row([&] { return std::clamp(double(doc.request.from.daysTo(v.date) + 1) / days, 0.0, 1.0); });
    });
    return totals;
}

} // namespace pellam::app
