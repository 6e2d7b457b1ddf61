#include "data/BooksLock.h"

#include "data/BookSettings.h"
#include "format/DateText.h"

namespace pellam::data {

namespace {

// The setting's name; the journal's triggers read it too (as ISO text).
const QString kLockedUntil = QStringLiteral("LockedUntil");

} // namespace

std::optional<QDate> BooksLock::lockedUntil() const
{
    const std::optional<QString> stored = BookSettings(conn_).value(kLockedUntil);
    if (!stored)
        return std::nullopt;
    const QDate date = QDate::fromString(*stored, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

void BooksLock::lockUntil(const QDate& date)
{
    BookSettings(conn_).set(kLockedUntil, date.toString(Qt::ISODate));
}

void BooksLock::clear()
{
    BookSettings(conn_).remove(kLockedUntil);
}

QString BooksLock::voucherMessage(const QDate& until)
{
    return QStringLiteral("The books are locked up to %1: a voucher dated on or before it cannot be added, changed or "
                          "deleted.")
        .arg(datetext::format(until));
}

std::optional<QString> BooksLock::dateRefusal(const QDate& date, const FinancialYear& year)
{
    if (date.isValid() && year.contains(date))
        return std::nullopt;
    return QStringLiteral("The books can be locked up to a day of the financial year %1 (%2 to %3) only.")
        .arg(year.label(), datetext::format(year.start), datetext::format(year.end));
}

bool BooksLock::movesBack(const std::optional<QDate>& to) const
{
    const std::optional<QDate> now = lockedUntil();
    return now && (!to || *to < *now);
}

std::optional<QString> BooksLock::voucherRefusal(const QDate& date) const
{
    const std::optional<QDate> until = lockedUntil();
    if (!until || date > *until)
        return std::nullopt;
    return voucherMessage(*until);
}

std::optional<QString> BooksLock::openingsRefusal() const
{
    const std::optional<QDate> until = lockedUntil();
    if (!until)
        return std::nullopt;
    return QStringLiteral("The books are locked up to %1: the openings cannot change.").arg(datetext::format(*until));
}

std::optional<QString> BooksLock::yearRefusal(const FinancialYear& year) const
{
    const std::optional<QDate> until = lockedUntil();
    if (!until || *until < year.end)
        return std::nullopt;
    return QStringLiteral("The books of %1 are locked: they can be read but not changed.").arg(year.label());
}

} // namespace pellam::data
