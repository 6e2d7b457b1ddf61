#include "data/BookSettings.h"

namespace pellam::data {

std::optional<QString> BookSettings::value(const QString& name) const
{
    const QVariant stored = conn_.scalar(QStringLiteral("select value from booksetting where name = ?"), {name});
    if (stored.isNull())
        return std::nullopt;
    return stored.toString();
}

void BookSettings::set(const QString& name, const QString& value)
{
    conn_.execute(QStringLiteral("insert or replace into booksetting(name, value) values(?, ?)"), {name, value});
}

void BookSettings::remove(const QString& name)
{
    conn_.execute(QStringLiteral("delete from booksetting where name = ?"), {name});
}

} // namespace pellam::data
