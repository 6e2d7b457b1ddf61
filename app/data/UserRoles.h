#pragma once

#include "data/Rights.h"
#include "database/Connection.h"

#include <QString>

namespace pellam::data {

// The role of each user of the books (table userrole), by user id without
// regard to case.
class UserRoles {
public:
    explicit UserRoles(db::Connection& conn) : conn_(conn) {}

    // A user without a row is an Accountant: a missing row never gives more
    // rights. Books not yet given the table are those whose every user could
    // do everything, which the upgrade keeps: there every user is an
    // Administrator.
    Role role(const QString& userid) const;
    // Whether `userid` is the only Administrator among the books' users, so
    // that removing or demoting the user would leave nobody to manage them.
    bool isLastAdministrator(const QString& userid) const;
    // Stores the role, replacing any earlier one.
    void set(const QString& userid, Role role);
    void remove(const QString& userid);

private:
    db::Connection& conn_;
};

} // namespace pellam::data
