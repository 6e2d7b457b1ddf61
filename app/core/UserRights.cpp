#include "core/UserRights.h"

#include "core/AppState.h"
#include "core/Say.h"
#include "data/UserRoles.h"
#include "errors/PellamError.h"

namespace pellam::app {

data::Role currentRole()
{
    try {
        return data::UserRoles(state().Conn).role(state().Util.UserName());
    } catch (const PellamError&) {
        return data::Role::Auditor;
    }
}

bool mayDo(data::Action action)
{
    const data::Role role = currentRole();
    if (data::Rights::allows(role, action))
        return true;
    say(data::Rights::refusal(role, action), MessageIcon::Information);
    return false;
}

} // namespace pellam::app
