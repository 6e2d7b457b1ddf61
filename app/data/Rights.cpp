#include "data/Rights.h"

namespace pellam::data {

namespace {

// What an Accountant is refused, in words that finish "Only an
// Administrator can ...".
QString administratorsWork(Action action)
{
    switch (action) {
    case Action::Restore:
        return QStringLiteral("restore the books");
    case Action::CloseYear:
        return QStringLiteral("close the year");
    case Action::ManageUsers:
        return QStringLiteral("manage the users");
    case Action::ChangeOptions:
        return QStringLiteral("change the options");
    case Action::SetLockDates:
        return QStringLiteral("set lock dates");
    case Action::MoveLockDateBack:
        return QStringLiteral("move a lock date back");
    default:
        return QStringLiteral("do this");
    }
}

} // namespace

QString roleName(Role role)
{
    switch (role) {
    case Role::Administrator:
        return QStringLiteral("Administrator");
    case Role::Accountant:
        return QStringLiteral("Accountant");
    case Role::Auditor:
        return QStringLiteral("Auditor");
    }
    return {};
}

std::optional<Role> roleNamed(const QString& name)
{
    for (Role role : {Role::Administrator, Role::Accountant, Role::Auditor})
        if (roleName(role).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return role;
    return std::nullopt;
}

bool Rights::allows(Role role, Action action)
{
    switch (role) {
    case Role::Administrator:
        return true;
    case Role::Accountant:
        switch (action) {
        case Action::ReadBooks:
        case Action::SaveVouchers:
        case Action::ChangeMasters:
        case Action::ImportVouchers:
        case Action::CheckBooks:
        case Action::BackUp:
            return true;
        default:
            return false;
        }
    case Role::Auditor:
        return action == Action::ReadBooks;
    }
    return false;
}

QString Rights::refusal(Role role, Action action)
{
    if (role == Role::Auditor)
        return QStringLiteral("An Auditor can read the books but not change them.");
    return QStringLiteral("Only an Administrator can %1.").arg(administratorsWork(action));
}

} // namespace pellam::data
