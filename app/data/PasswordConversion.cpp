#include "data/PasswordConversion.h"

#include "PellamUtility.h"
#include "errors/ErrorNumber.h"
#include "text/Windows1252.h"

#include <QList>
#include <optional>

namespace pellam::data {

namespace {

const QString kSource = QStringLiteral("Pellam passwords");

struct OldPassword {
    QString userid;
    QString stored;
    bool unreadable = false;
    QString hash;
};

// Secure delete zeroes the space the old texts leave in their pages instead
// of merely freeing it; the connection's own setting comes back afterwards.
class SecureDelete {
public:
    explicit SecureDelete(db::Connection& conn)
        : conn_(conn), before_(conn.scalar(QStringLiteral("pragma secure_delete")).toInt())
    {
        conn_.scalar(QStringLiteral("pragma secure_delete = 1"));
    }
    ~SecureDelete()
    {
        // Left on, it only makes later deletes slower: nothing to report.
        try {
            conn_.scalar(QStringLiteral("pragma secure_delete = %1").arg(before_));
        } catch (const PellamError&) {
        }
    }
    SecureDelete(const SecureDelete&) = delete;
    SecureDelete& operator=(const SecureDelete&) = delete;

private:
    db::Connection& conn_;
    int before_;
};

// Moves the changed pages into the file and empties the log, so that no copy
// of an old page stays behind. A program still reading the books from before
// the change keeps the old pages in the file: after the usual wait for it,
// that is an error, not a success.
std::optional<PellamError> moveChangesIntoTheFile(db::Connection& conn)
{
    db::RecordSet result = conn.query(QStringLiteral("pragma wal_checkpoint(truncate)"));
    if (result.toInt(QStringLiteral("busy")) == 0)
        return std::nullopt;
    return PellamError(DatabaseLocked,
                       QStringLiteral("The old passwords were replaced, but another program is reading the books, so "
                                      "their scrambled form stays in the file %1 until every program has closed the "
                                      "books.")
                           .arg(conn.fileName()),
                       kSource);
}

} // namespace

std::optional<QString> passwordTheOldLoginTook(const QString& stored, const PellamUtility& util)
{
    if (!windows1252::covers(stored))
        return std::nullopt;
    return util.DeCrypt(stored);
}

ConvertedPasswords convertScrambledPasswords(db::Connection& conn, const PellamUtility& util, const PasswordHash& hasher)
{
    QList<OldPassword> old;
    for (db::RecordSet rs = conn.query(QStringLiteral("select userid, userpwd from loginuser where userpwd is not null"));
         !rs.eof(); rs.MoveNext()) {
        const QString stored = rs.toString(QStringLiteral("userpwd"));
        if (!PasswordHash::isHash(stored))
            old.append({rs.toString(QStringLiteral("userid")), stored, false, {}});
    }
    if (old.isEmpty())
        return {};

    // Hash first: the slow part stays outside the transaction.
    for (OldPassword& p : old) {
        const std::optional<QString> password = passwordTheOldLoginTook(p.stored, util);
        p.unreadable = !password;
        p.hash = password ? hasher.hash(*password) : hasher.unknowable();
    }

    ConvertedPasswords converted;
    {
        SecureDelete secureDelete(conn);
        db::Transaction transaction(conn);
        for (const OldPassword& p : old)
            if (conn.execute(QStringLiteral("update loginuser set userpwd = ? where userid = ? and userpwd = ?"),
                             {p.hash, p.userid, p.stored}) > 0)
                (p.unreadable ? converted.unreadable : converted.hashed).append(p.userid);
        transaction.commit();
    }
    converted.leftInFile = moveChangesIntoTheFile(conn);
    return converted;
}

QString unreadablePasswordNotice(const QString& userid)
{
    return QStringLiteral("The old password of user %1 cannot be read, so nobody can log in as %1 until the "
                          "administrator resets it: delete the user in the User Manager and add it again.")
        .arg(userid);
}

std::optional<LoginUsers::Password> hashedPassword(db::Connection& conn, const PellamUtility& util,
                                                   const QString& userid)
{
    LoginUsers users(conn);
    auto row = users.password(userid);
    if (row && row->stored && !PasswordHash::isHash(*row->stored)) {
        convertScrambledPasswords(conn, util);
        row = users.password(row->userid);
    }
    return row;
}

} // namespace pellam::data
