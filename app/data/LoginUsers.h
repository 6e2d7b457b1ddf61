#pragma once

#include "data/Rights.h"
#include "database/Connection.h"

#include <QString>
#include <optional>

namespace pellam::data {

// One row of loginuser as the user manager shows it.
struct LoginUser {
    QString userid;       // the name typed at login
    QString username;     // the full name
    QString description;
    Role role = Role::Accountant;
};

// The users of the year's books with their roles: looked up, added, changed
// and removed by their user id, which is unique without regard to case.
// The books always keep an Administrator: the last one is neither removed
// nor given another role.
class LoginUsers {
public:
    explicit LoginUsers(db::Connection& conn) : conn_(conn) {}

    std::optional<LoginUser> find(const QString& userid) const;
    int count() const;

    enum class Change { Done, Duplicate, NotFound, LastAdministrator };
    // A new user without a password; Duplicate (and nothing written) when
    // the user id is taken in any case.
    Change add(const LoginUser& user);
    // The full name, description and role of an existing user.
    Change update(const LoginUser& user);
    Change remove(const QString& userid);
    // What the user manager says when the last Administrator would go.
    static QString lastAdministratorRefusal(const QString& userid);

    // What is stored as a user's password: a hash, an old scrambled text,
    // or nothing (Null: no password set).
    struct Password {
        QString userid; // as stored
        std::optional<QString> stored;
    };
    // Nothing when the user does not exist.
    std::optional<Password> password(const QString& userid) const;
    // Stores a hash, or Null for nothing.
    void setPassword(const QString& userid, const std::optional<QString>& stored);

private:
    db::Connection& conn_;
};

} // namespace pellam::data
