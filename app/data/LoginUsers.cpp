#include "data/LoginUsers.h"

#include "data/UserRoles.h"
#include "errors/PellamError.h"

#include <optional>

namespace pellam::data {

namespace {

// A user and the role are written together or not at all, inside the
// caller's transaction when there is one.
template <class Write>
void inOneTransaction(db::Connection& conn, Write write)
{
    std::optional<db::Transaction> transaction;
    if (!conn.inTransaction())
        transaction.emplace(conn);
    write();
    if (transaction)
        transaction->commit();
}

} // namespace

std::optional<LoginUser> LoginUsers::find(const QString& userid) const
{
    db::RecordSet rs = conn_.query(
        QStringLiteral("select userid, username, description from loginuser where userid = ?"), {userid});
    if (rs.eof())
        return std::nullopt;
    const QString id = rs.toString(QStringLiteral("userid"));
    return LoginUser{id, rs.toString(QStringLiteral("username")), rs.toString(QStringLiteral("description")),
                     UserRoles(conn_).role(id)};
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
        inOneTransaction(conn_, [&] {
            conn_.execute(QStringLiteral("insert into loginuser (userid, username, description) values (?, ?, ?)"),
                          {user.userid, user.username, user.description});
            UserRoles(conn_).set(user.userid, user.role);
        });
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
    Change change = Change::NotFound;
    inOneTransaction(conn_, [&] {
        UserRoles roles(conn_);
        if (user.role != Role::Administrator && roles.isLastAdministrator(user.userid)) {
            change = Change::LastAdministrator;
            return;
        }
        if (conn_.execute(QStringLiteral("update loginuser set username = ?, description = ? where userid = ?"),
                          {user.username, user.description, user.userid}) == 0)
            return;
        roles.set(user.userid, user.role);
        change = Change::Done;
    });
    return change;
}

LoginUsers::Change LoginUsers::remove(const QString& userid)
{
    Change change = Change::NotFound;
    inOneTransaction(conn_, [&] {
        UserRoles roles(conn_);
        if (roles.isLastAdministrator(userid)) {
            change = Change::LastAdministrator;
            return;
        }
        if (conn_.execute(QStringLiteral("delete from loginuser where userid = ?"), {userid}) == 0)
            return;
        roles.remove(userid);
        change = Change::Done;
    });
    return change;
}

QString LoginUsers::lastAdministratorRefusal(const QString& userid)
{
    return QStringLiteral("%1 is the last Administrator of these books: make another user an Administrator first.")
        .arg(userid);
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
