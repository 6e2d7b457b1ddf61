#pragma once

#include <QString>
#include <cstddef>

namespace pellam::data {

// How user passwords are kept in the books: a salted, deliberately slow
// Argon2id hash in the self-describing text form ("$argon2id$v=19$m=...").
// Anyone who can read the file learns nothing they can log in with.
class PasswordHash {
public:
    struct Cost {
        unsigned long long ops;
        std::size_t memory; // bytes
    };
    // The cost new hashes get: libsodium's interactive limits, above the
    // minimum that current guidance asks for Argon2id.
    static Cost interactive();

    explicit PasswordHash(Cost cost = interactive());

    // A fresh hash of the text as typed. Throws PellamError when the
    // hashing cannot run (not enough memory).
    QString hash(const QString& password) const;
    // A hash of random text that nobody knows: no password lets the user in
    // until it is set anew.
    QString unknowable() const;
    // Whether `password` is the one `stored` was made from; false for
    // anything that is not a hash.
    static bool verify(const QString& stored, const QString& password);
    // Whether `stored` is a hash at all (as opposed to an old scrambled text).
    static bool isHash(const QString& stored);
    // Whether a valid hash was made with another cost than ours.
    bool needsRehash(const QString& stored) const;

private:
    Cost cost_;
};

} // namespace pellam::data
