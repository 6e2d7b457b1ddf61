#include "core/UserRights.h"

#include "core/AppState.h"
#include "core/Say.h"
#include "data/BooksLock.h"
#include "data/LoginCheck.h"
#include "data/UserRoles.h"
#include "dialogs/Dialogs.h"
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
    if (!data::Rights::allows(role, action)) {
        say(data::Rights::refusal(role, action), MessageIcon::Information);
        return false;
    }
    if (action != data::Action::SaveVouchers && action != data::Action::ChangeMasters &&
        action != data::Action::ImportVouchers)
        return true;
    std::optional<QString> locked;
    try {
        locked = data::BooksLock(state().Conn).yearRefusal({state().YearStart, state().YearEnd});
    } catch (const PellamError& e) {
        locked = e.Description();
    }
    if (locked)
        say(*locked, MessageIcon::Information);
    return !locked;
}

bool mayMoveLockBack()
{
    if (!mayDo(data::Action::MoveLockDateBack))
        return false;
    const QString user = state().Util.UserName();
    InputRequest request;
    request.title = QStringLiteral("Books locked up to");
    request.prompt = QStringLiteral("Moving the lock date back opens locked days to changes.\nType the password of %1 "
                                    "again:")
                         .arg(user);
    request.secret = true;
    const std::optional<QString> typed = dialogs().input(request);
    if (!typed)
        return false;
    data::LoginOutcome outcome;
    try {
        outcome = data::checkLoginUnchanged(state().Conn, state().Util, user, *typed);
    } catch (const PellamError& e) {
        say(e.Description(), MessageIcon::Critical);
        return false;
    }
    if (outcome.result == data::LoginOutcome::Accepted)
        return true;
    say(QStringLiteral("The password is not right; the lock date stays as it was."), MessageIcon::Information);
    return false;
}

} // namespace pellam::app
