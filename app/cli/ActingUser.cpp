#include "cli/ActingUser.h"

#include "cli/CommandProgress.h"
#include "data/LoginCheck.h"
#include "data/LoginUsers.h"
#include "data/UserRoles.h"
#include "database/Connection.h"

#include <QFile>
#include <optional>

#ifdef Q_OS_UNIX
#include <termios.h>
#include <unistd.h>
#endif

namespace pellam::cli {

namespace {

const QString kUser = QStringLiteral("user");
const QString kPasswordStdin = QStringLiteral("password-stdin");

CommandFailure notAllowed(const QString& message)
{
    return CommandFailure(ExitCode::NotAllowed, message);
}

// One line typed on the terminal with its echo off, so that nobody reads
// the password over the user's shoulder or in the scrollback.
QString readHidden(QTextStream& in, QTextStream& prompt, const QString& userid)
{
    prompt << "Password for " << userid << ": ";
    prompt.flush();
#ifdef Q_OS_UNIX
    const int fd = qobject_cast<QFile*>(in.device())->handle();
    termios saved{};
    const bool quiet = tcgetattr(fd, &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(fd, TCSAFLUSH, &silent);
    }
    const QString typed = in.readLine();
    if (quiet)
        tcsetattr(fd, TCSAFLUSH, &saved);
#else
    const QString typed = in.readLine();
#endif
    prompt << Qt::endl;
    return typed;
}

std::optional<QString> givenPassword(const CommandLine& line, const PasswordInput& input, const QString& userid)
{
    if (line.has(kPasswordStdin)) {
        if (!input.in)
            return std::nullopt;
        // A password may hold blanks at either end: only the line's end goes.
        return input.in->readLine();
    }
    if (input.in && input.prompt && isTerminal(*input.in))
        return readHidden(*input.in, *input.prompt, userid);
    return std::nullopt;
}

bool anyPassword(db::Connection& conn)
{
    return conn.scalar(QStringLiteral("select count(*) from loginuser where userpwd is not null")).toLongLong() > 0;
}

CommandFailure unknownUser(const QString& userid)
{
    return notAllowed(QStringLiteral("--user: there is no user '%1' in the books").arg(userid));
}

} // namespace

ActingUser identifyUser(const QString& books, const CommandLine& line, const PasswordInput& input,
                        const PellamUtility& util)
{
    const QString userid = line.text(kUser).trimmed();
    db::Connection conn;
    conn.OpenUntouched(books);
    if (!anyPassword(conn)) {
        if (userid.isEmpty())
            return {};
        const auto user = data::LoginUsers(conn).find(userid);
        if (!user)
            throw unknownUser(userid);
        return {user->userid, user->role};
    }
    if (userid.isEmpty())
        throw notAllowed(QStringLiteral("These books have passwords: name the user with --user ID and give the "
                                        "password on the terminal or with --password-stdin."));
    if (!data::LoginUsers(conn).find(userid))
        throw unknownUser(userid);
    // The books are not held while the user types.
    conn.Close();
    const std::optional<QString> password = givenPassword(line, input, userid);
    if (!password)
        throw notAllowed(QStringLiteral("The password for '%1' is needed: give it with --password-stdin.").arg(userid));
    conn.OpenUntouched(books);
    const data::LoginOutcome outcome = data::checkLoginUnchanged(conn, util, userid, *password);
    if (outcome.result == data::LoginOutcome::UnknownUser)
        throw unknownUser(userid);
    if (outcome.result == data::LoginOutcome::WrongPassword)
        throw notAllowed(QStringLiteral("The password for '%1' is wrong.").arg(userid));
    return {outcome.userid, data::UserRoles(conn).role(outcome.userid)};
}

void requireRight(const ActingUser& user, data::Action action)
{
    if (!data::Rights::allows(user.role, action))
        throw notAllowed(data::Rights::refusal(user.role, action));
}

} // namespace pellam::cli
