#include "shell/LoginCheck.h"

#include "database/Connection.h"
#include "shell/AppState.h"

namespace pellam::app {

LoginOutcome checkLogin(db::Connection& conn, const QString& name, const QString& password)
{
    db::RecordSet rs = conn.query(
        QStringLiteral("select userid, userpwd from loginuser where userid = ? collate nocase"), {name.trimmed()});
    if (rs.eof())
        return {LoginOutcome::UnknownUser, {}};
    if (!rs.isNull(QStringLiteral("userpwd")) &&
        state().Util.DeCrypt(rs.toString(QStringLiteral("userpwd"))) != password)
        return {LoginOutcome::WrongPassword, {}};
    return {LoginOutcome::Accepted, rs.toString(QStringLiteral("userid"))};
}

} // namespace pellam::app
