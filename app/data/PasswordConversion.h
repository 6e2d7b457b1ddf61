#pragma once

#include "data/LoginUsers.h"
#include "data/PasswordHash.h"
#include "database/Connection.h"

namespace pellam {
class PellamUtility;
}

namespace pellam::data {

// Books from older versions (or restored from an old backup) keep user
// passwords scrambled, which anyone can undo. This replaces every stored
// password that is not a hash by the hash of its unscrambled text, in one
// transaction, so each user logs in with the same password as before. The
// old texts are overwritten in the file and its write-ahead log as well.
// Returns the number of users converted.
int convertScrambledPasswords(db::Connection& conn, const PellamUtility& util, const PasswordHash& hasher = PasswordHash());

// A user's stored password for checking: the books are converted first
// when it is still scrambled (books restored or copied in since they were
// opened), so a password is never compared in clear. Nothing when the user
// does not exist.
std::optional<LoginUsers::Password> hashedPassword(db::Connection& conn, const PellamUtility& util,
                                                   const QString& userid);

} // namespace pellam::data
