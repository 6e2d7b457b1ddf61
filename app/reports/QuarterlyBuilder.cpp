#include "reports/QuarterlyBuilder.h"

#include "data/ReportHeading.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "reports/JournalSums.h"

namespace pellam::app {

namespace {

// The buckets of JournalSums: the quarter's three months, then the earlier
// months of the year.
constexpr int kEarlier = 3;

} // namespace

QuarterlyDocument QuarterlyBuilder::build(const QuarterRequest& request, int cashAccNo)
{
    const std::optional<int> start = quarterStartMonth(request.quarter);
    if (!start)
        throw PellamError(InvalidCall, QStringLiteral("There is no quarter '%1'").arg(request.quarter),
                          QStringLiteral("QuarterlyReport"));
    QuarterlyDocument doc;
    const data::ReportHeading heading = data::reportHeading(conn_, 3, request.shops.isEmpty() ? 0 : int(request.shops.front()));
    doc.title = heading.title;
    doc.place = heading.place;
    doc.quarter = request.quarter.trimmed().toUpper();
    doc.yearStart = request.yearStart;
    doc.yearEnd = request.yearEnd;
    doc.lines = request.lines;
    for (int k = 0; k < 3; ++k)
        doc.months[k] = *start + k;

    const JournalSums sums(conn_, request.shops,
                           {DateBucket::month(doc.months[0]), DateBucket::month(doc.months[1]),
                            DateBucket::month(doc.months[2]), DateBucket::monthsBefore(*start)});
    for (const StatementHead& h : statementHeads(conn_, request.shops)) {
        QuarterHead head{h.name, {}};
        QuarterFigures& f = head.figures;
        f.income[QuarterFigures::kTotal] = sums.credits(h.accno, kEarlier);
        f.expense[QuarterFigures::kTotal] = sums.debits(h.accno, kEarlier);
        for (int k = 0; k < 3; ++k) {
            f.income[k] = sums.credits(h.accno, k);
            f.expense[k] = sums.debits(h.accno, k);
            f.income[QuarterFigures::kTotal] += f.income[k];
            f.expense[QuarterFigures::kTotal] += f.expense[k];
        }
        doc.totals += f;
        doc.heads << std::move(head);
    }

    tell(status_, "calucating opening");
    const Currency yearOpening = cashOpening(conn_, cashAccNo, request.shops);
    doc.openings[0] = yearOpening + sums.net(cashAccNo, kEarlier);
    tell(status_, "calculating closing");
    doc.openings[QuarterFigures::kTotal] = yearOpening;
    for (int c = 0; c < 4; ++c) {
        if (c > 0 && c < QuarterFigures::kTotal)
            doc.openings[c] = doc.closings[c - 1];
        doc.closings[c] = doc.openings[c] + doc.totals.income[c] - doc.totals.expense[c];
    }
    return doc;
}

} // namespace pellam::app
