#include "app/data/TestBooks.h"
#include "data/LoginUsers.h"
#include "data/Rights.h"
#include "data/UserRoles.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::data;

namespace {

QString rolesOf(db::Connection& conn)
{
    QStringList rows;
    db::RecordSet rs = conn.query(QStringLiteral("select userid, role from userrole order by userid"));
    for (; !rs.eof(); rs.MoveNext())
        rows << rs.toString(QStringLiteral("userid")) + QLatin1Char('=') + rs.toString(QStringLiteral("role"));
    return rows.join(QLatin1Char(' '));
}

void addUser(db::Connection& conn, const QString& userid)
{
    conn.execute(QStringLiteral("insert into loginuser(userid, username, description) values(?, ?, '')"), {userid, userid});
}

} // namespace

TEST(Rights, EachRoleMayDoWhatItsTableSays)
{
    struct Case {
        Action action;
        bool administrator, accountant, auditor;
    };
    const Case cases[] = {
        {Action::ReadBooks, true, true, true},
        {Action::SaveVouchers, true, true, false},
        {Action::ChangeMasters, true, true, false},
        {Action::ImportVouchers, true, true, false},
        {Action::CheckBooks, true, true, false},
        {Action::BackUp, true, true, false},
        {Action::Restore, true, false, false},
        {Action::CloseYear, true, false, false},
        {Action::ManageUsers, true, false, false},
        {Action::ChangeOptions, true, false, false},
        {Action::SetLockDates, true, false, false},
        {Action::MoveLockDateBack, true, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rights::allows(Role::Administrator, c.action), c.administrator) << int(c.action);
        EXPECT_EQ(Rights::allows(Role::Accountant, c.action), c.accountant) << int(c.action);
        EXPECT_EQ(Rights::allows(Role::Auditor, c.action), c.auditor) << int(c.action);
    }
    EXPECT_EQ(Rights::refusal(Role::Auditor, Action::SaveVouchers),
              QStringLiteral("An Auditor can read the books but not change them."));
    EXPECT_EQ(Rights::refusal(Role::Accountant, Action::Restore), QStringLiteral("Only an Administrator can restore the books."));
    EXPECT_EQ(Rights::refusal(Role::Accountant, Action::CloseYear), QStringLiteral("Only an Administrator can close the year."));
    EXPECT_EQ(roleNamed(QStringLiteral(" auditor ")), Role::Auditor);
    EXPECT_EQ(roleNamed(QStringLiteral("Boss")), std::nullopt);
}

TEST(UserRoles, NewBooksMakeMerionAnAdministratorAndAUserWithoutARowIsAnAccountant)
{
    test::TestBooks books;
    EXPECT_EQ(rolesOf(books.conn), QStringLiteral("MERION=Administrator"));
    addUser(books.conn, QStringLiteral("RAVI"));
    UserRoles roles(books.conn);
    EXPECT_EQ(roles.role(QStringLiteral("merion")), Role::Administrator);
    EXPECT_EQ(roles.role(QStringLiteral("RAVI")), Role::Accountant);
    EXPECT_NE(test::errorNumberOf([&] {
                  books.conn.execute(QStringLiteral("insert into userrole(userid, role) values('RAVI', 'Boss')"));
              }),
              0)
        << "the table takes the three roles only";
}

TEST(UserRoles, OlderBooksGiveEveryUserTheAdministratorRoleWhenUpgraded)
{
    for (const bool byCreateSchema : {false, true}) {
        test::TestBooks books;
        books.conn.executeScript(QStringLiteral("drop table userrole; insert into loginuser(userid, username) "
                                                "values('RAVI', 'RAVI'), ('sita', 'SITA');"));
        EXPECT_EQ(UserRoles(books.conn).role(QStringLiteral("RAVI")), Role::Administrator)
            << "books not yet upgraded keep what their users could do";
        if (byCreateSchema)
            createSchema(books.conn);
        else
            addMissingTables(books.conn);
        EXPECT_EQ(rolesOf(books.conn), QStringLiteral("MERION=Administrator RAVI=Administrator sita=Administrator"));
        // Once there, the table is left as it is.
        books.conn.execute(QStringLiteral("update userrole set role = 'Auditor' where userid = 'RAVI'"));
        addMissingTables(books.conn);
        createSchema(books.conn);
        EXPECT_EQ(UserRoles(books.conn).role(QStringLiteral("RAVI")), Role::Auditor);
    }
}

TEST(LoginUsers, KeepTheRoleWithTheUserAndNeverLoseTheLastAdministrator)
{
    test::TestBooks books;
    LoginUsers users(books.conn);
    const QString merion = QStringLiteral("MERION");
    EXPECT_EQ(users.add({QStringLiteral("RAVI"), QStringLiteral("RAVI K"), QString(), Role::Auditor}), LoginUsers::Change::Done);
    EXPECT_EQ(users.find(QStringLiteral("ravi"))->role, Role::Auditor);

    // MERION is the only Administrator: neither demoted nor removed.
    EXPECT_EQ(users.update({merion, QStringLiteral("NEW NAME"), QString(), Role::Accountant}),
              LoginUsers::Change::LastAdministrator);
    EXPECT_EQ(users.remove(merion), LoginUsers::Change::LastAdministrator);
    EXPECT_EQ(users.find(merion)->username, merion) << "nothing of the refused change is stored";
    EXPECT_EQ(rolesOf(books.conn), QStringLiteral("MERION=Administrator RAVI=Auditor"));
    EXPECT_EQ(LoginUsers::lastAdministratorRefusal(merion),
              QStringLiteral("MERION is the last Administrator of these books: make another user an Administrator first."));

    // A second Administrator frees the first.
    EXPECT_EQ(users.update({QStringLiteral("RAVI"), QStringLiteral("RAVI K"), QString(), Role::Administrator}),
              LoginUsers::Change::Done);
    EXPECT_EQ(users.update({merion, merion, QString(), Role::Accountant}), LoginUsers::Change::Done);
    EXPECT_EQ(users.remove(QStringLiteral("RAVI")), LoginUsers::Change::LastAdministrator);
    EXPECT_EQ(users.remove(merion), LoginUsers::Change::Done);
    EXPECT_EQ(rolesOf(books.conn), QStringLiteral("RAVI=Administrator")) << "the role goes with the user";

    // A role row of a user no longer in the books counts for nobody.
    books.conn.execute(QStringLiteral("insert into userrole(userid, role) values('GHOST', 'Administrator')"));
    EXPECT_TRUE(UserRoles(books.conn).isLastAdministrator(QStringLiteral("RAVI")));
}
