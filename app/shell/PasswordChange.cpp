#include "shell/PasswordChange.h"

#include "data/PasswordConversion.h"

namespace pellam::app {

PasswordChangeResult changePassword(db::Connection& conn, const PellamUtility& util, const QString& userid,
                                    const QString& oldPassword, const QString& newPassword,
                                    const QString& confirmation)
{
    const auto row = data::hashedPassword(conn, util, userid);
    if (!row)
        return PasswordChangeResult::UnknownUser;
    if (row->stored && !data::PasswordHash::verify(*row->stored, oldPassword))
        return PasswordChangeResult::WrongOldPassword;
    if (newPassword != confirmation)
        return PasswordChangeResult::Mismatch;
    std::optional<QString> stored;
    if (!newPassword.trimmed().isEmpty())
        stored = data::PasswordHash().hash(newPassword);
    data::LoginUsers(conn).setPassword(row->userid, stored);
    return PasswordChangeResult::Changed;
}

} // namespace pellam::app
