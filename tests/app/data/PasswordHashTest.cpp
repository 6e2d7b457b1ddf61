#include "PellamUtility.h"
#include "app/data/TestBooks.h"
#include "data/PasswordConversion.h"
#include "data/PasswordHash.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sodium.h>

using namespace pellam;
using namespace pellam::data;

TEST(PasswordHash, VerifiesOnlyTheHashedTextAndNeverAScrambledOne)
{
    const PasswordHash hasher;
    const QString first = hasher.hash(QStringLiteral("Lotus#1 pässwörd"));
    const QString second = hasher.hash(QStringLiteral("Lotus#1 pässwörd"));
    EXPECT_TRUE(first.startsWith(QStringLiteral("$argon2id$"))) << first.toStdString();
    EXPECT_NE(first, second) << "each hash has its own salt";
    EXPECT_TRUE(PasswordHash::verify(first, QStringLiteral("Lotus#1 pässwörd")));
    EXPECT_TRUE(PasswordHash::verify(second, QStringLiteral("Lotus#1 pässwörd")));
    EXPECT_FALSE(PasswordHash::verify(first, QStringLiteral("lotus#1 pässwörd")));
    EXPECT_FALSE(PasswordHash::verify(first, QStringLiteral("Lotus#1 pässwörd ")));
    EXPECT_TRUE(PasswordHash::isHash(first));
    EXPECT_FALSE(hasher.needsRehash(first));

    const PellamUtility util;
    const QString scrambled = util.EnCrypt(QStringLiteral("secret"));
    for (const QString& notAHash : {scrambled, QString(), QStringLiteral(" "), QStringLiteral("$argon2id$")}) {
        EXPECT_FALSE(PasswordHash::isHash(notAHash)) << notAHash.toStdString();
        EXPECT_FALSE(PasswordHash::verify(notAHash, QStringLiteral("secret"))) << notAHash.toStdString();
    }
}

TEST(PasswordHash, AHashOfALowerCostAsksToBeRenewed)
{
    const QString cheap = PasswordHash({crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN}).hash(QStringLiteral("x"));
    EXPECT_TRUE(PasswordHash::isHash(cheap));
    EXPECT_TRUE(PasswordHash::verify(cheap, QStringLiteral("x")));
    EXPECT_TRUE(PasswordHash().needsRehash(cheap));
}

namespace {

// Books of an older version: passwords scrambled, one already a hash, one
// never set, one scrambled empty text.
struct ScrambledBooks : ::testing::Test {
    test::TestBooks books;
    PellamUtility util;
    const QString ravisPassword = QStringLiteral("Sunrise-Over-Kaveri-2026");
    const QString sitasHash = PasswordHash().hash(QStringLiteral("sita"));

    void SetUp() override
    {
        const auto add = [this](const QString& id, const QVariant& pwd) {
            books.conn.execute(QStringLiteral("insert into loginuser(userid, username, userpwd) values(?, ?, ?)"), {id, id, pwd});
        };
        add(QStringLiteral("RAVI"), util.EnCrypt(ravisPassword));
        add(QStringLiteral("SITA"), sitasHash);
        add(QStringLiteral("ASHA"), QStringLiteral(""));
    }

    QVariant stored(const QString& id)
    {
        return books.conn.scalar(QStringLiteral("select userpwd from loginuser where userid = ?"), {id});
    }

    // Whether the scrambled password is anywhere in the books' files.
    bool filesHold(const QByteArray& bytes) const
    {
        for (const QString& name : {books.file, books.file + QStringLiteral("-wal")}) {
            QFile f(name);
            if (f.open(QIODevice::ReadOnly) && f.readAll().contains(bytes))
                return true;
        }
        return false;
    }
};

} // namespace

TEST_F(ScrambledBooks, ConvertsEveryScrambledPasswordOnceAndLeavesNoTrace)
{
    const QByteArray scrambled = util.EnCrypt(ravisPassword).toUtf8();
    ASSERT_TRUE(filesHold(scrambled)) << "the fixture must hold the scrambled text to begin with";

    EXPECT_EQ(convertScrambledPasswords(books.conn, util), 2);

    EXPECT_TRUE(PasswordHash::verify(stored(QStringLiteral("RAVI")).toString(), ravisPassword));
    EXPECT_FALSE(PasswordHash::verify(stored(QStringLiteral("RAVI")).toString(), util.EnCrypt(ravisPassword)));
    EXPECT_EQ(stored(QStringLiteral("SITA")).toString(), sitasHash) << "a hash stays as it is";
    EXPECT_TRUE(PasswordHash::verify(stored(QStringLiteral("ASHA")).toString(), QString()))
        << "an empty scrambled password still lets in only the empty password";
    EXPECT_TRUE(stored(QStringLiteral("MERION")).isNull()) << "no password stays no password";
    EXPECT_FALSE(filesHold(scrambled));

    EXPECT_EQ(convertScrambledPasswords(books.conn, util), 0);
}
