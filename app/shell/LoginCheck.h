#pragma once

#include <QString>

namespace pellam::db {
class Connection;
}

namespace pellam::app {

struct LoginOutcome {
    enum Result { Accepted, UnknownUser, WrongPassword } result = UnknownUser;
    QString userid; // the user's name as stored, when accepted
};

// Checks a typed user name (without regard to case) and password against
// the users of the year's books. A user whose password was never set is
// let in with any password. Passwords are compared with their stored hash;
// a hash made with an older cost is renewed on a successful login, and
// books that still hold scrambled passwords are converted first.
LoginOutcome checkLogin(db::Connection& conn, const QString& name, const QString& password);

} // namespace pellam::app
