#include "data/LoginUsers.h"

#include "errors/PellamError.h"

namespace pellam::data {

std::optional<LoginUser> LoginUsers::find(const QString& userid) const
{
    db::RecordSet rs = conn_.query(
        QStringLiteral("select userid, username, description from loginuser where userid = ?"), {userid});
    if (rs.eof())
        return std::nullopt;
    return LoginUser{rs.toString(QStringLiteral("userid")), rs.toString(QStringLiteral("username")),
                     rs.toString(QStringLiteral("description"))};
}

int LoginUsers::count() const
{
    return conn_.scalar(QStringLiteral("select count(*) from loginuser")).toInt();
}

LoginUsers::Change LoginUsers::add(const LoginUser& user)
{
    if (find(user.userid))
        return Change::Duplicate;
    try {
        conn_.execute(QStringLiteral("insert into loginuser (userid, username, description) values (?, ?, ?)"),
                      {user.userid, user.username, user.description});
    } catch (const PellamError& e) {
        // Another program may have added the same user in the meantime.
        if (e.Number() == db::DuplicateKey)
            return Change::Duplicate;
        throw;
    }
    return Change::Done;
}

LoginUsers::Change LoginUsers::update(const LoginUser& user)
{
    const int changed = conn_.execute(
        QStringLiteral("update loginuser set username = ?, description = ? where userid = ?"),
        {user.username, user.description, user.userid});
    return changed > 0 ? Change::Done : Change::NotFound;
}

LoginUsers::Change LoginUsers::remove(const QString& userid)
{
    const int changed = conn_.execute(QStringLiteral("delete from loginuser where userid = ?"), {userid});
    return changed > 0 ? Change::Done : Change::NotFound;
}

std::optional<LoginUsers::Password> LoginUsers::password(const QString& userid) const
{
    db::RecordSet rs = conn_.query(QStringLiteral("select userid, userpwd from loginuser where userid = ?"), {userid});
    if (rs.eof())
        return std::nullopt;
    Password p{rs.toString(QStringLiteral("userid")), std::nullopt};
    if (!rs.isNull(QStringLiteral("userpwd")))
        p.stored = rs.toString(QStringLiteral("userpwd"));
    return p;
}

void LoginUsers::setPassword(const QString& userid, const std::optional<QString>& stored)
{
    conn_.execute(QStringLiteral("update loginuser set userpwd = ? where userid = ?"),
                  {stored ? QVariant(*stored) : QVariant(), userid});
}

} // namespace pellam::data
