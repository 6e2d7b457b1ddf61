#pragma once

#include "core/AppState.h"
#include "data/LoginCheck.h"

namespace pellam::app {

using data::LoginOutcome;

// The login window's check, with the program's own unscrambler.
inline LoginOutcome checkLogin(db::Connection& conn, const QString& name, const QString& password)
{
    return data::checkLogin(conn, state().Util, name, password);
}

} // namespace pellam::app
