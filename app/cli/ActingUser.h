#pragma once

#include "PellamUtility.h"
#include "cli/CommandLine.h"
#include "data/Rights.h"

#include <QString>
#include <QTextStream>

namespace pellam::cli {

// Who runs a command on a year's books, and with what role.
struct ActingUser {
    QString userid; // as stored; empty when none was named on books without passwords
    data::Role role = data::Role::Administrator;
};

// Where a password is read from: standard input, one line, when
// --password-stdin is given; else typed on the terminal without echo when
// standard input is one; else nowhere, and the command is refused.
struct PasswordInput {
    QTextStream* in = nullptr;
    QTextStream* prompt = nullptr; // where the terminal's question goes
};

// Finds the acting user of `line` on `books` as the login window would:
// books where any user has a password need --user and that user's password;
// books without passwords take --user (a user of the books) or nobody, who
// acts as an Administrator. Throws CommandFailure (NotAllowed) for an
// unknown user, a missing or wrong password.
ActingUser identifyUser(const QString& books, const CommandLine& line, const PasswordInput& input,
                        const PellamUtility& util);

// Throws CommandFailure (NotAllowed) with the window's words when the
// user's role does not allow `action`.
void requireRight(const ActingUser& user, data::Action action);

} // namespace pellam::cli
