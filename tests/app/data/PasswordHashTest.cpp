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

    // Whether the scrambled password is in the books' file itself.
    bool fileHolds(const QByteArray& bytes) const
    {
        QFile f(books.file);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains(bytes);
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

    const ConvertedPasswords converted = convertScrambledPasswords(books.conn, util);
    EXPECT_EQ(converted.hashed, QStringList({QStringLiteral("RAVI"), QStringLiteral("ASHA")}));
    EXPECT_TRUE(converted.unreadable.isEmpty());

    EXPECT_TRUE(PasswordHash::verify(stored(QStringLiteral("RAVI")).toString(), ravisPassword));
    EXPECT_FALSE(PasswordHash::verify(stored(QStringLiteral("RAVI")).toString(), util.EnCrypt(ravisPassword)));
    EXPECT_EQ(stored(QStringLiteral("SITA")).toString(), sitasHash) << "a hash stays as it is";
    EXPECT_TRUE(PasswordHash::verify(stored(QStringLiteral("ASHA")).toString(), QString()))
        << "an empty scrambled password still lets in only the empty password";
    EXPECT_TRUE(stored(QStringLiteral("MERION")).isNull()) << "no password stays no password";
    EXPECT_FALSE(filesHold(scrambled));

    const ConvertedPasswords again = convertScrambledPasswords(books.conn, util);
    EXPECT_TRUE(again.hashed.isEmpty() && again.unreadable.isEmpty());
}

// The older login let a user in when the typed text equalled the stored one
// unscrambled, exactly. Each stored text keeps letting in that text and no
// other.
TEST_F(ScrambledBooks, EachUserKeepsExactlyThePasswordTheOldLoginTook)
{
    struct Case {
        QString userid;
        QString stored;
        QString takes;         // the one text that logs in afterwards
        QStringList refuses;
    };
    const QString nbsp(QChar(0x00A0));
    const Case cases[] = {
        // " \u203A" scrambles to a blank and a no-break space: not blank.
        {QStringLiteral("GOPI"), util.EnCrypt(QStringLiteral(" \u203A")), QStringLiteral(" \u203A"),
         {QString(), QStringLiteral(" "), nbsp}},
        // Stored blanks unscramble to nothing: only the empty box got in.
        {QStringLiteral("HARI"), QStringLiteral("   "), QString(), {QStringLiteral(" "), QStringLiteral("   ")}},
        // Trailing blanks are part of the password.
        {QStringLiteral("INDU"), util.EnCrypt(QStringLiteral("lotus  ")), QStringLiteral("lotus  "),
         {QStringLiteral("lotus"), QStringLiteral(" lotus  ")}},
    };
    for (const Case& c : cases)
        books.conn.execute(QStringLiteral("insert into loginuser(userid, username, userpwd) values(?, ?, ?)"),
                           {c.userid, c.userid, c.stored});

    const ConvertedPasswords converted = convertScrambledPasswords(books.conn, util);
    EXPECT_TRUE(converted.unreadable.isEmpty());
    for (const Case& c : cases) {
        EXPECT_TRUE(converted.hashed.contains(c.userid)) << c.userid.toStdString();
        const QString hash = stored(c.userid).toString();
        EXPECT_TRUE(PasswordHash::verify(hash, c.takes)) << c.userid.toStdString();
        for (const QString& other : c.refuses)
            EXPECT_FALSE(PasswordHash::verify(hash, other)) << c.userid.toStdString() << " with '" << other.toStdString() << "'";
    }
}

// A stored text with characters outside the Western page was scrambled under
// another one: what it let in cannot be known, so nobody gets in until the
// administrator resets the password.
TEST_F(ScrambledBooks, AnUnreadablePasswordLetsNobodyInAndAsksForAReset)
{
    const QString devanagari = QStringLiteral("\u0915\u092E\u0932 7");
    books.conn.execute(QStringLiteral("insert into loginuser(userid, username, userpwd) values('KAMAL', 'KAMAL', ?)"),
                       {devanagari});

    const ConvertedPasswords converted = convertScrambledPasswords(books.conn, util);
    EXPECT_EQ(converted.unreadable, QStringList{QStringLiteral("KAMAL")});
    EXPECT_FALSE(converted.hashed.contains(QStringLiteral("KAMAL")));
    const QString hash = stored(QStringLiteral("KAMAL")).toString();
    EXPECT_TRUE(PasswordHash::isHash(hash));
    for (const QString& guess : {QString(), devanagari, util.DeCrypt(devanagari)})
        EXPECT_FALSE(PasswordHash::verify(hash, guess)) << guess.toStdString();
    EXPECT_EQ(unreadablePasswordNotice(QStringLiteral("KAMAL")),
              QStringLiteral("The old password of user KAMAL cannot be read, so nobody can log in as KAMAL until the "
                             "administrator resets it: delete the user in the User Manager and add it again."));
}

// A program reading the books from before the conversion keeps the old pages
// in the file; the conversion must not call that done.
TEST_F(ScrambledBooks, AConversionWhileAnotherProgramReadsIsNoSuccessWhileTheFileHoldsTheOldText)
{
    const QByteArray scrambled = util.EnCrypt(ravisPassword).toUtf8();
    books.conn.scalar(QStringLiteral("pragma wal_checkpoint(truncate)"));
    ASSERT_TRUE(fileHolds(scrambled)) << "the old text must be in the file itself to begin with";
    db::Connection reader;
    reader.Open(books.file);
    reader.execute(QStringLiteral("begin"));
    ASSERT_EQ(reader.scalar(QStringLiteral("select count(*) from loginuser")).toInt(), 4);

    db::Connection converter;
    converter.Open(books.file, true, 100);
    const ConvertedPasswords converted = convertScrambledPasswords(converter, util);
    const bool succeeded = !converted.leftInFile;
    EXPECT_EQ(converted.hashed, QStringList({QStringLiteral("RAVI"), QStringLiteral("ASHA")}));
    if (converted.leftInFile) {
        EXPECT_EQ(converted.leftInFile->Number(), 3261);
        EXPECT_EQ(converted.leftInFile->Description(),
                  QStringLiteral("The old passwords were replaced, but another program is reading the books, so their "
                                 "scrambled form stays in the file %1 until every program has closed the books.")
                      .arg(books.file));
    }
    EXPECT_FALSE(succeeded && fileHolds(scrambled)) << "the conversion reported success with the old text still in the file";

    reader.execute(QStringLiteral("commit"));
    EXPECT_TRUE(PasswordHash::verify(stored(QStringLiteral("RAVI")).toString(), ravisPassword))
        << "the hashes are in the books all the same";
}
