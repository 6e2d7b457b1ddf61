#include "data/PasswordConversion.h"

#include "PellamUtility.h"

#include <QList>
#include <utility>

namespace pellam::data {

int convertScrambledPasswords(db::Connection& conn, const PellamUtility& util, const PasswordHash& hasher)
{
    QList<std::pair<QString, QString>> scrambled; // user id, stored text
    for (db::RecordSet rs = conn.query(QStringLiteral("select userid, userpwd from loginuser where userpwd is not null"));
         !rs.eof(); rs.MoveNext()) {
        const QString stored = rs.toString(QStringLiteral("userpwd"));
        if (!PasswordHash::isHash(stored))
            scrambled.append({rs.toString(QStringLiteral("userid")), stored});
    }
    if (scrambled.isEmpty())
        return 0;

    // Hash first: the slow part stays outside the transaction.
    QList<QString> hashes;
    for (const auto& [userid, stored] : scrambled)
        hashes.append(hasher.hash(util.DeCrypt(stored)));

    // Zero the space the old texts leave behind instead of merely freeing it.
    conn.scalar(QStringLiteral("pragma secure_delete = on"));
    int converted = 0;
    {
        db::Transaction transaction(conn);
        for (qsizetype i = 0; i < scrambled.size(); ++i)
            converted += conn.execute(QStringLiteral("update loginuser set userpwd = ? where userid = ? and userpwd = ?"),
                         {hashes[i], scrambled[i].first, scrambled[i].second});
        transaction.commit();
    }
    // Move the changed pages into the file and empty the log, so that no
    // copy of an old page stays behind.
    conn.scalar(QStringLiteral("pragma wal_checkpoint(truncate)"));
    return converted;
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
