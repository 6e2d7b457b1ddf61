#include "cli/CarryForwardCommand.h"

#include "cli/ExitCode.h"
#include "data/BooksLock.h"
#include "data/CarriedBalances.h"

namespace pellam::cli {

CarryForwardCommand::CarryForwardCommand(const CommandLine& line, db::Connection& books, int cashAccNo,
                                         db::Connection& oldBooks, const data::FinancialYear& year, QTextStream& out)
    : line_(line), books_(books), cashAccNo_(cashAccNo), oldBooks_(oldBooks), year_(year), out_(out)
{
}

void CarryForwardCommand::run()
{
    const data::FinancialYear oldYear = data::FinancialYear::beginningIn(year_.start.year() - 1);
    data::CarryForwardCheck check(books_, cashAccNo_, oldBooks_, oldYear);
    const QList<data::CarryDifference> differences = check.differences();
    const QString balances =
        differences.size() == 1 ? QStringLiteral("1 carried balance") : QStringLiteral("%1 carried balances").arg(differences.size());
    if (line_.subject() == QLatin1String("update")) {
        if (differences.isEmpty()) {
            out_ << QStringLiteral("Nothing to update: every carried balance of %1 equals its closing in %2")
                        .arg(year_.label(), oldYear.label())
                 << Qt::endl;
            return;
        }
        if (const std::optional<QString> locked = data::BooksLock(books_).openingsRefusal())
            throw CommandFailure(ExitCode::Failed, *locked);
        check.update(differences);
        out_ << QStringLiteral("Updated %1 of %2 to the closing balances of %3")
                    .arg(differences.size() == 1 ? QStringLiteral("1 opening") : QStringLiteral("%1 openings").arg(differences.size()),
                         year_.label(), oldYear.label())
             << Qt::endl;
        return;
    }
    if (differences.isEmpty()) {
        out_ << QStringLiteral("Every carried balance of %1 equals its closing in %2").arg(year_.label(), oldYear.label())
             << Qt::endl;
        return;
    }
    for (const data::CarryDifference& d : differences)
        out_ << QStringLiteral("%1 %2, institution %3 %4: opening %5, closing in %6 %7")
                    .arg(d.code, d.name)
                    .arg(d.shopId)
                    .arg(d.shopName, data::balanceText(d.opening), oldYear.label(), data::balanceText(d.closing))
             << Qt::endl;
    throw CommandFailure(ExitCode::Failed, QStringLiteral("%1 of %2 %3 from the closing of %4; pellam carry-forward "
                                                          "update writes the closings as the openings")
                                               .arg(balances, year_.label(),
                                                    differences.size() == 1 ? QStringLiteral("differs")
                                                                            : QStringLiteral("differ"),
                                                    oldYear.label()));
}

} // namespace pellam::cli
