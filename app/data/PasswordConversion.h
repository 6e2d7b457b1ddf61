#pragma once

#include "data/LoginUsers.h"
#include "data/PasswordHash.h"
#include "database/Connection.h"
#include "errors/PellamError.h"

#include <QStringList>
#include <optional>

namespace pellam {
class PellamUtility;
}

namespace pellam::data {

// What a conversion did, by user id.
struct ConvertedPasswords {
    // Users who log in with the same password as before, now hashed.
    QStringList hashed;
    // Users whose old password cannot be read: they are left with a
    // password nobody knows until the administrator resets it.
    QStringList unreadable;
    // Set when the old texts could not yet be overwritten in the file: the
    // error (3261) that says so. The conversion is done only without it.
    std::optional<PellamError> leftInFile;
};

// The older login let a user in when the typed text equalled the stored one
// unscrambled, exactly: no trimming, and a blank stored text let in only an
// empty box. The scrambling works on the Western code page; a stored text
// with characters outside it was scrambled under another page, so what it
// let in cannot be known (nothing).
std::optional<QString> passwordTheOldLoginTook(const QString& stored, const PellamUtility& util);

// Books from older versions (or restored from an old backup) keep user
// passwords scrambled, which anyone can undo. This replaces every stored
// password that is not a hash, in one transaction: by the hash of the one
// text the older login let in (the stored text unscrambled, exactly as
// typed), or, when that text cannot be known because the stored one holds
// characters of another code page, by a password nobody knows. The old
// texts are overwritten in the file and its write-ahead log before it
// returns, unless another program still reads the books after the usual
// wait: the file then keeps them and `leftInFile` says so (the hashes are
// in the books all the same).
ConvertedPasswords convertScrambledPasswords(db::Connection& conn, const PellamUtility& util,
                                             const PasswordHash& hasher = PasswordHash());

// What the administrator is told about a user in `unreadable`.
QString unreadablePasswordNotice(const QString& userid);

// A user's stored password for checking: the books are converted first
// when it is still scrambled (books restored or copied in since they were
// opened), so a password is never compared in clear. Nothing when the user
// does not exist.
std::optional<LoginUsers::Password> hashedPassword(db::Connection& conn, const PellamUtility& util,
                                                   const QString& userid);

} // namespace pellam::data
