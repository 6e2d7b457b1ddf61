#include "data/UserRoles.h"

namespace pellam::data {

Role UserRoles::role(const QString& userid) const
{
    if (conn_.scalar(QStringLiteral("select count(*) from sqlite_master where type = 'table' and name = 'userrole'"))
            .toLongLong() == 0)
        return Role::Administrator;
    const QVariant name = conn_.scalar(QStringLiteral("select role from userrole where userid = ?"), {userid});
    return roleNamed(name.toString()).value_or(Role::Accountant);
}

bool UserRoles::isLastAdministrator(const QString& userid) const
{
    if (role(userid) != Role::Administrator)
        return false;
    const qint64 others = conn_.scalar(QStringLiteral("select count(*) from userrole r join loginuser u on u.userid = r.userid "
                                                      "where r.role = ? and r.userid <> ?"),
                                       {roleName(Role::Administrator), userid})
                              .toLongLong();
    return others == 0;
}

void UserRoles::set(const QString& userid, Role role)
{
    remove(userid);
    conn_.execute(QStringLiteral("insert into userrole(userid, role) values(?, ?)"), {userid, roleName(role)});
}

void UserRoles::remove(const QString& userid)
{
    conn_.execute(QStringLiteral("delete from userrole where userid = ?"), {userid});
}

} // namespace pellam::data
