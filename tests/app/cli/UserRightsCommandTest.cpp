#include "app/cli/VoucherBooks.h"
#include "data/PasswordHash.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

const QString kAuditorRefusal = QStringLiteral("An Auditor can read the books but not change them.");

// The books of VoucherBooks with an Accountant (clerk, who has no role row)
// and an Auditor.
struct UserRights : test::VoucherBooks {
    UserRights()
    {
        conn.executeScript(QStringLiteral("insert into loginuser(userid, username) values('AUDIT', 'AN AUDITOR');"
                                          "insert into userrole(userid, role) values('AUDIT', 'Auditor');"));
    }
    static QStringList payment()
    {
        return {QStringLiteral("voucher"), QStringLiteral("add"), QStringLiteral("--date"), QStringLiteral("05/04/2026"),
                QStringLiteral("--shop"), QStringLiteral("1"), QStringLiteral("--payment"), QStringLiteral("--head"),
                QStringLiteral("MLK"), QStringLiteral("--amount"), QStringLiteral("100")};
    }
    static QStringList as(const char* user) { return {QStringLiteral("--user"), QString::fromLatin1(user)}; }
    void setPassword(const char* user, const QString& password)
    {
        conn.execute(QStringLiteral("update loginuser set userpwd = ? where userid = ?"),
                     {data::PasswordHash().hash(password), QString::fromLatin1(user)});
    }
    qint64 vouchers() { return count(QStringLiteral("select count(*) from journal")); }
};

} // namespace

TEST_F(UserRights, EachRoleRunsOnlyTheCommandsItsRightsAllow)
{
    const QString backupFile = home.file(QStringLiteral("copy.bak"));
    struct Case {
        const char* user;
        QStringList arguments;
        int code;
        QString error;
    };
    const QString onlyAdministrator = QStringLiteral("Only an Administrator can %1.");
    const Case cases[] = {
        {"AUDIT", payment(), 10, kAuditorRefusal},
        {"AUDIT", {QStringLiteral("voucher"), QStringLiteral("delete"), QStringLiteral("1"), QStringLiteral("--yes")}, 10,
         kAuditorRefusal},
        {"AUDIT", {QStringLiteral("import"), QStringLiteral("vouchers"), QStringLiteral("rows.csv")}, 10, kAuditorRefusal},
        {"AUDIT", {QStringLiteral("import"), QStringLiteral("mapping"), QStringLiteral("delete"), QStringLiteral("BANK")}, 10,
         kAuditorRefusal},
        {"AUDIT", {QStringLiteral("backup"), QStringLiteral("--to"), backupFile}, 10, kAuditorRefusal},
        {"AUDIT", {QStringLiteral("close-year"), QStringLiteral("--date"), QStringLiteral("01/05/2026")}, 10, kAuditorRefusal},
        {"AUDIT", {QStringLiteral("check"), QStringLiteral("--date"), QStringLiteral("01/05/2026")}, 10, kAuditorRefusal},
        {"clerk", {QStringLiteral("restore"), backupFile, QStringLiteral("--date"), QStringLiteral("01/05/2026")}, 10,
         onlyAdministrator.arg(QStringLiteral("restore the books"))},
        {"clerk", {QStringLiteral("close-year"), QStringLiteral("--date"), QStringLiteral("01/05/2026")}, 10,
         onlyAdministrator.arg(QStringLiteral("close the year"))},
        {"AUDIT", {QStringLiteral("voucher"), QStringLiteral("list")}, 0, {}},
        {"AUDIT", {QStringLiteral("import"), QStringLiteral("mapping"), QStringLiteral("list")}, 0, {}},
        {"AUDIT", {QStringLiteral("report"), QStringLiteral("summary"), QStringLiteral("--date"), QStringLiteral("01/05/2026")},
         0, {}},
        {"clerk", {QStringLiteral("backup"), QStringLiteral("--date"), QStringLiteral("01/05/2026"), QStringLiteral("--to"),
                   backupFile},
         0, {}},
        {"clerk", payment(), 0, {}},
    };
    for (const Case& c : cases) {
        const test::ToolResult result = run(c.arguments + as(c.user));
        const std::string what = (QString::fromLatin1(c.user) + QLatin1Char(' ') + c.arguments.join(' ')).toStdString();
        EXPECT_EQ(result.code, c.code) << what << ": " << result.err.toStdString();
        EXPECT_EQ(result.err, c.code ? QStringLiteral("pellam: %1\n").arg(c.error) : QString()) << what;
    }
    EXPECT_EQ(vouchers(), 1) << "only the Accountant's voucher is stored";
    EXPECT_EQ(row(1), QStringLiteral("1|7|1|2026-04-05|10000|||clerk")) << "the acting user is recorded";
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("home/Data/account2728.db"))));
}

TEST_F(UserRights, BooksWithPasswordsNeedTheUserAndThePassword)
{
    setPassword("clerk", QStringLiteral(" Open Sesame"));
    struct Case {
        QStringList extra;
        QString input;
        QString error;
    };
    const Case refused[] = {
        {{},
         {},
         QStringLiteral("These books have passwords: name the user with --user ID and give the password on the terminal "
                        "or with --password-stdin.")},
        {as("clerk"), QStringLiteral(" Open Sesame\n"),
         QStringLiteral("The password for 'clerk' is needed: give it with --password-stdin.")},
        {as("clerk") << QStringLiteral("--password-stdin"), QStringLiteral("Open Sesame\n"),
         QStringLiteral("The password for 'clerk' is wrong.")},
        {as("clerk") << QStringLiteral("--password-stdin"), {}, QStringLiteral("The password for 'clerk' is wrong.")},
        {as("ghost") << QStringLiteral("--password-stdin"), QStringLiteral("x\n"),
         QStringLiteral("--user: there is no user 'ghost' in the books")},
    };
    for (const Case& c : refused) {
        const test::ToolResult result = run(payment() + c.extra, c.input);
        EXPECT_EQ(result.code, 10) << c.error.toStdString();
        EXPECT_EQ(result.err, QStringLiteral("pellam: %1\n").arg(c.error));
    }
    EXPECT_EQ(vouchers(), 0);

    // A user without a password of their own is let in with any, as at login.
    const test::ToolResult merion = run(payment() + as("merion") + QStringList{QStringLiteral("--password-stdin")},
                                        QStringLiteral("anything\n"));
    EXPECT_EQ(merion.code, 0) << merion.err.toStdString();
    const test::ToolResult clerk = run(payment() + as("CLERK") + QStringList{QStringLiteral("--password-stdin")},
                                       QStringLiteral(" Open Sesame\nrest\n"));
    EXPECT_EQ(clerk.code, 0) << clerk.err.toStdString();
    EXPECT_EQ(row(1).section(QLatin1Char('|'), -1), QStringLiteral("MERION"));
    EXPECT_EQ(row(2).section(QLatin1Char('|'), -1), QStringLiteral("clerk")) << "the user as stored";
}

TEST_F(UserRights, WithoutAUserBooksWithoutPasswordsActAsAnAdministrator)
{
    EXPECT_EQ(run(payment()).code, 0);
    EXPECT_EQ(row(1).section(QLatin1Char('|'), -1), QStringLiteral("MERION")) << "the books' first user, as before";
    const test::ToolResult closed = run({QStringLiteral("close-year"), QStringLiteral("--date"), QStringLiteral("01/05/2026")});
    EXPECT_EQ(closed.code, 0) << closed.err.toStdString();
}

TEST_F(UserRights, BooksTooDamagedToNameTheirUsersAreRestoredWithoutAUser)
{
    setPassword("MERION", QStringLiteral("secret"));
    const QString copy = home.file(QStringLiteral("copy.bak"));
    const QStringList asMerion = as("MERION") << QStringLiteral("--password-stdin");
    ASSERT_EQ(run(QStringList{QStringLiteral("backup"), QStringLiteral("--to"), copy} + asMerion, QStringLiteral("secret\n")).code,
              0);
    conn.Close();
    QFile damaged(books);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(QByteArray("no books here ").repeated(400));
    damaged.close();

    // The copy holds no vouchers yet, so --yes takes it as this year's.
    const test::ToolResult restored = run({QStringLiteral("restore"), copy, QStringLiteral("--yes")});
    EXPECT_EQ(restored.code, 0) << restored.err.toStdString();
    // Sound books ask again.
    EXPECT_EQ(run({QStringLiteral("restore"), copy, QStringLiteral("--yes")}).code, 10);
}
