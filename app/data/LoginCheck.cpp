#include "data/LoginCheck.h"

#include "data/PasswordConversion.h"
#include "data/PasswordHash.h"
#include "errors/PellamError.h"

namespace pellam::data {

namespace {

// Whether the typed password opens what is stored: a hash, an old scrambled
// text, or nothing (no password set lets in anything).
bool opens(const LoginUsers::Password& row, const QString& password, const PellamUtility& util)
{
    if (!row.stored)
        return true;
    if (PasswordHash::isHash(*row.stored))
        return PasswordHash::verify(*row.stored, password);
    return passwordTheOldLoginTook(*row.stored, util) == password;
}

} // namespace

LoginOutcome checkLogin(db::Connection& conn, const PellamUtility& util, const QString& name, const QString& password)
{
    auto row = hashedPassword(conn, util, name.trimmed());
    if (!row)
        return {LoginOutcome::UnknownUser, {}};
    if (!opens(*row, password, util))
        return {LoginOutcome::WrongPassword, {}};
    if (row->stored) {
        const PasswordHash hasher;
        if (hasher.needsRehash(*row->stored)) {
            // Renewing is a bonus: books that cannot be written still let
            // the user in with the hash they hold.
            try {
                LoginUsers(conn).setPassword(row->userid, hasher.hash(password));
            } catch (const PellamError&) {
            }
        }
    }
    return {LoginOutcome::Accepted, row->userid};
}

LoginOutcome checkLoginUnchanged(db::Connection& conn, const PellamUtility& util, const QString& name,
                                 const QString& password)
{
    const auto row = LoginUsers(conn).password(name.trimmed());
    if (!row)
        return {LoginOutcome::UnknownUser, {}};
    if (!opens(*row, password, util))
        return {LoginOutcome::WrongPassword, {}};
    return {LoginOutcome::Accepted, row->userid};
}

} // namespace pellam::data
