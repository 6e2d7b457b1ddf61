#include "reports/SummaryBuilder.h"

#include "data/CashAccount.h"
#include "data/ReportHeading.h"
#include "reports/JournalSums.h"

namespace pellam::app {

QString SummaryDocument::dateLine() const
{
    return QStringLiteral("        Date From ") + request.fromText + QStringLiteral("   to  ") + request.toText;
}

SummaryDocument SummaryBuilder::build(const SummaryRequest& request)
{
    SummaryDocument doc;
    doc.request = request;
    doc.title = data::reportHeading(conn_, 4, request.shops.isEmpty() ? 0 : int(request.shops.front())).title;
    tell(status_, "Generating report");
    // Books without a cash account have no cash to open with.
    const std::optional<data::CashAccount> cashAccount = data::cashAccount(conn_);
    const int cash = cashAccount ? cashAccount->accno : 0;
    enum { Period, Before };
    const JournalSums sums(conn_, request.shops,
                           {DateBucket::between(request.from, request.to), DateBucket::before(request.from)});
    doc.readHeads(conn_, request.shops, sums, Period);
    if (request.withOpening) {
        tell(status_, "calucating opening");
        doc.opening = cashOpening(conn_, cash, request.shops) + sums.net(cash, Before);
        tell(status_, "Report Completed");
    }
    return doc;
}

} // namespace pellam::app
