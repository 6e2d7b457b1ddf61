#pragma once

#include <QString>

namespace pellam {
class PellamUtility;
}

namespace pellam::db {
class Connection;
}

namespace pellam::data {

struct LoginOutcome {
    enum Result { Accepted, UnknownUser, WrongPassword } result = UnknownUser;
    QString userid; // the user's name as stored, when accepted
};

// Checks a typed user name (without regard to case) and password against
// the users of the year's books, for the login window and `pellam` alike.
// A user whose password was never set is let in with any password.
// Passwords are compared with their stored hash; a hash made with an older
// cost is renewed on a successful login, and books that still hold
// scrambled passwords are converted first (`util` unscrambles them).
LoginOutcome checkLogin(db::Connection& conn, const PellamUtility& util, const QString& name, const QString& password);

// The same answer without a byte written, for `pellam`, whose commands
// either only read the books or convert their passwords themselves and say
// so: a scrambled password is tried as the older login tried it, and
// nothing is converted or renewed.
LoginOutcome checkLoginUnchanged(db::Connection& conn, const PellamUtility& util, const QString& name,
                                 const QString& password);

} // namespace pellam::data
