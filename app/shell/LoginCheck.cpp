#include "shell/LoginCheck.h"

#include "core/AppState.h"
#include "data/PasswordConversion.h"
#include "data/PasswordHash.h"
#include "errors/PellamError.h"

namespace pellam::app {

LoginOutcome checkLogin(db::Connection& conn, const QString& name, const QString& password)
{
    auto row = data::hashedPassword(conn, state().Util, name.trimmed());
    if (!row)
        return {LoginOutcome::UnknownUser, {}};
    if (row->stored) {
        if (!data::PasswordHash::verify(*row->stored, password))
            return {LoginOutcome::WrongPassword, {}};
        const data::PasswordHash hasher;
        if (hasher.needsRehash(*row->stored)) {
            // Renewing is a bonus: books that cannot be written still let
            // the user in with the hash they hold.
            try {
                data::LoginUsers(conn).setPassword(row->userid, hasher.hash(password));
            } catch (const PellamError&) {
            }
        }
    }
    return {LoginOutcome::Accepted, row->userid};
}

} // namespace pellam::app
