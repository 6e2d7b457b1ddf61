#include "reports/MonthlyBuilder.h"

#include "data/ReportHeading.h"
#include "reports/JournalSums.h"

namespace pellam::app {

namespace {

// The buckets the statement reads: the month itself and the months of the
// year before it.
enum Bucket { InMonth = 0, EarlierMonths = 1 };

} // namespace

QString monthName(int month)
{
    static const char* const kNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(kNames[month - 1]) : QString();
}

MonthlyDocument MonthlyBuilder::build(const MonthlyRequest& r, int cashAccNo)
{
    MonthlyDocument doc;
    const data::ReportHeading heading = data::reportHeading(conn_, 4, r.shops.isEmpty() ? 0 : int(r.shops.front()));
    doc.title = heading.title;
    doc.place = heading.place;
    doc.statement = QStringLiteral("MONTHLY  STATEMENT of %1 '%2 - '%3")
                        .arg(monthName(r.month).toUpper(), r.yearStart.toString(QStringLiteral("yy")),
                             r.yearEnd.toString(QStringLiteral("yy")));

    tell(status_, "Generating report");
    const JournalSums sums(conn_, r.shops, {DateBucket::month(r.month), DateBucket::monthsBefore(r.month)});
    doc.readHeads(conn_, r.shops, sums, InMonth);

    tell(status_, "calucating opening");
    doc.opening = cashOpening(conn_, cashAccNo, r.shops) + sums.net(cashAccNo, EarlierMonths);
    tell(status_, "calculating closing");
    return doc;
}

} // namespace pellam::app
