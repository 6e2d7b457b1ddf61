#include "cli/BooksCheck.h"

#include "data/YearBooks.h"

#include "cli/ExitCode.h"
#include "data/PasswordConversion.h"
#include "data/UnreadableVouchers.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

namespace pellam::cli {

void requireReadableVouchers(db::Connection& conn, const data::FinancialYear& year)
{
    try {
        data::requireReadableBooks(conn, year);
    } catch (const PellamError& e) {
        throw CommandFailure(ExitCode::DamagedBooks, e.Description());
    }
}

PellamError noCashAccount(const QString& books)
{
    return PellamError(db::CannotOpen, QStringLiteral("The cash account is not found in the books %1.").arg(books),
                       QStringLiteral("pellam"));
}

BooksCheck::BooksCheck(const QString& books, const data::FinancialYear& year, QTextStream& out)
    : file_(books), year_(year), out_(out)
{
    conn_.OpenHeld(file_);
}

void BooksCheck::verifyCashAccount()
{
    const auto cash = data::verifyCashAccount(conn_);
    if (!cash)
        throw CommandFailure(ExitCode::DamagedBooks, noCashAccount(file_).Description());
    cash_ = *cash;
    out_ << "Cash account: " << cash_.name << " (code " << cash_.code << ", number " << cash_.accno << ")" << Qt::endl;
    if (cash_.renamed) {
        ++repairs_;
        out_ << "Renamed the cash account to " << cash_.name << Qt::endl;
    }
}

bool BooksCheck::needsUpgrade()
{
    return data::schemaVersion(conn_) != data::SchemaVersion::Current;
}

void BooksCheck::upgrade()
{
    data::upgradeDatabase(conn_);
    ++repairs_;
    out_ << "Upgraded the books" << Qt::endl;
}

void BooksCheck::verifyAndRepair()
{
    data::addMissingTables(conn_);
    if (!data::hasInstitutions(conn_))
        out_ << "Warning: the books have no institution" << Qt::endl;
    if (data::hasVouchersWithUnknownHeads(conn_))
        out_ << "Warning: some vouchers name ledger heads that are not in the books" << Qt::endl;
    reportHeadsInUse(data::repairHeadsInUse(conn_, cash_.accno));
    reportOpenings(data::repairOpenings(conn_, cash_.accno));
    convertPasswords();
    if (repairs_ == 0)
        out_ << "No repairs were needed" << Qt::endl;
    else
        out_ << repairs_ << (repairs_ == 1 ? " repair was made" : " repairs were made") << Qt::endl;
    requireReadableVouchers(conn_, year_);
}

void BooksCheck::convertPasswords()
{
    data::requireYearBooks(conn_);
    const data::ConvertedPasswords converted = data::convertScrambledPasswords(conn_, util_);
    for (const QString& userid : converted.hashed)
        out_ << "Replaced the scrambled password of user " << userid << " by a hash" << Qt::endl;
    for (const QString& userid : converted.unreadable)
        out_ << data::unreadablePasswordNotice(userid) << Qt::endl;
    repairs_ += int(converted.hashed.size() + converted.unreadable.size());
    if (converted.leftInFile)
        throw *converted.leftInFile;
}

QString BooksCheck::headName(int accno)
{
    const QString name = conn_.scalar(QStringLiteral("select AccountName from account where accno = ?"), {accno}).toString();
    return QStringLiteral("ledger head %1 (%2)").arg(accno).arg(name.trimmed());
}

void BooksCheck::reportHeadsInUse(const QList<data::HeadInUse>& added)
{
    for (const data::HeadInUse& pair : added)
        out_ << "Listed " << headName(pair.accno) << " for institution " << pair.shopid << ", whose vouchers use it"
             << Qt::endl;
    repairs_ += int(added.size());
}

void BooksCheck::reportOpenings(const data::OpeningRepair& repair)
{
    for (const data::HeadInUse& pair : repair.added)
        out_ << "Added a zero opening for " << headName(pair.accno) << " in institution " << pair.shopid << Qt::endl;
    for (const data::HeadInUse& pair : repair.replaced)
        out_ << "Replaced the duplicate openings of " << headName(pair.accno) << " in institution " << pair.shopid
             << " by a zero opening" << Qt::endl;
    if (repair.cashOpeningReset)
        out_ << "Warning: the opening amount of the cash account may have changed" << Qt::endl;
    repairs_ += int(repair.added.size() + repair.replaced.size());
}

} // namespace pellam::cli
