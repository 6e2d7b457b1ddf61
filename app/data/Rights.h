#pragma once

#include <QString>
#include <optional>

namespace pellam::data {

// What a user of the books may do is set by one role per user.
enum class Role { Administrator, Accountant, Auditor };

// The role's name as the books and the user manager keep it.
QString roleName(Role role);
// The role of a name (without regard to case); nothing for any other text.
std::optional<Role> roleNamed(const QString& name);

// What the windows and `pellam` ask before they let a user act.
enum class Action {
    ReadBooks,        // reports, the accounts list, day lists, masters shown
    SaveVouchers,     // add, change, delete vouchers
    ChangeMasters,    // institutions, ledger heads, heads per institution
    ImportVouchers,   // import vouchers, keep mappings and their rules
    CheckBooks,       // the start-up checks and their repairs
    BackUp,
    Restore,
    CloseYear,
    ManageUsers,
    ChangeOptions,
    SetLockDates,
    MoveLockDateBack, // a lock date set earlier than it was
};

// The one table of who may do what: an Administrator everything, an
// Accountant the daily work and backups, an Auditor only reading.
class Rights {
public:
    static bool allows(Role role, Action action);
    // What a refused user is told, in the same words by the windows and by
    // `pellam`.
    static QString refusal(Role role, Action action);
};

} // namespace pellam::data
