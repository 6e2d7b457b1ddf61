#pragma once

#include <QString>

namespace pellam {
class PellamUtility;
}
namespace pellam::db {
class Connection;
}

namespace pellam::app {

enum class PasswordChangeResult { Changed, UnknownUser, WrongOldPassword, Mismatch };

// The logged-in user's new password, checked in this order: the user must
// exist, the old password must match (anything does when none is set), and
// the new one must equal its confirmation exactly. A new password that is
// blank clears it (any password logs in); otherwise the hash of the text as
// typed is stored. Nothing changes unless the result is Changed.
PasswordChangeResult changePassword(db::Connection& conn, const PellamUtility& util, const QString& userid,
                                    const QString& oldPassword, const QString& newPassword,
                                    const QString& confirmation);

} // namespace pellam::app
