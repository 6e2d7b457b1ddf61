#include "shell/LoginCheck.h"

#include "data/PasswordConversion.h"
#include "data/PasswordHash.h"
#include "shell/AppState.h"

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
        if (hasher.needsRehash(*row->stored))
            data::LoginUsers(conn).setPassword(row->userid, hasher.hash(password));
    }
    return {LoginOutcome::Accepted, row->userid};
}

} // namespace pellam::app
