#include "data/PasswordHash.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <QByteArray>
#include <sodium.h>

namespace pellam::data {

namespace {

const QString kSource = QStringLiteral("Pellam passwords");

void requireSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw PellamError(OutOfMemory, QStringLiteral("The password hashing library could not start."), kSource);
}

QByteArray storedBytes(const QString& stored)
{
    return stored.toLatin1();
}

} // namespace

PasswordHash::Cost PasswordHash::interactive()
{
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

PasswordHash::PasswordHash(Cost cost) : cost_(cost) {}

QString PasswordHash::hash(const QString& password) const
{
    requireSodium();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, utf8.constData(), static_cast<unsigned long long>(utf8.size()), cost_.ops,
                              cost_.memory, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw PellamError(OutOfMemory, QStringLiteral("Out of memory while securing the password."), kSource);
    return QString::fromLatin1(out);
}

QString PasswordHash::unknowable() const
{
    requireSodium();
    unsigned char secret[32];
    randombytes_buf(secret, sizeof secret);
    const QString text = QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(secret), sizeof secret).toHex());
    sodium_memzero(secret, sizeof secret);
    return hash(text);
}

bool PasswordHash::verify(const QString& stored, const QString& password)
{
    if (!isHash(stored))
        return false;
    const QByteArray hashText = storedBytes(stored);
    const QByteArray utf8 = password.toUtf8();
    return crypto_pwhash_str_verify(hashText.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size())) == 0;
}

bool PasswordHash::isHash(const QString& stored)
{
    requireSodium();
    // The text form is plain ASCII and shorter than the buffer libsodium
    // reads; anything else is not one of ours. The cost does not matter:
    // -1 means the text is no Argon2id hash.
    if (stored.size() >= qsizetype(crypto_pwhash_STRBYTES))
        return false;
    for (QChar c : stored)
        if (c.unicode() < 0x21 || c.unicode() > 0x7e)
            return false;
    const QByteArray hashText = storedBytes(stored);
    return crypto_pwhash_str_needs_rehash(hashText.constData(), crypto_pwhash_OPSLIMIT_MIN,
                                          crypto_pwhash_MEMLIMIT_MIN) != -1;
}

bool PasswordHash::needsRehash(const QString& stored) const
{
    const QByteArray hashText = storedBytes(stored);
    return crypto_pwhash_str_needs_rehash(hashText.constData(), cost_.ops, cost_.memory) == 1;
}

} // namespace pellam::data
