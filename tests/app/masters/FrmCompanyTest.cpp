#include "masters/FrmCompany.h"

#include "MasterWindow.h"

#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::masters;

namespace {

// InstitutionsWindow 1 (MAIN INSTITUTION), 2 and 4; the list shows them by name:
// 1 MAIN INSTITUTION, 2 NORTH BRANCH, 3 SOUTH BRANCH (number 4).
struct InstitutionsWindow : ::testing::Test, test::MasterWindow<FrmCompany> {
    int rent = 0;

    void SetUp() override
    {
        conn().execute(QStringLiteral("insert into organization(ShopId, shopName, Place, Post, PinCode, Ledname, RecName, "
                                      "Qname, MonName) values(2, 'NORTH BRANCH', 'KOTTAYAM', 'NAGAMPADAM', '686001', "
                                      "'NORTH LEDGER', 'NORTH R&P', 'NORTH QUARTER', 'NORTH MONTH')"));
        conn().execute(QStringLiteral("insert into organization(ShopId, shopName) values(4, 'SOUTH BRANCH')"));
        conn().execute(QStringLiteral("insert into account(AccCode, AccountName) values('RENT', 'RENT')"));
        rent = int(conn().lastInsertId());
        open();
    }
    QStringList shownFields() const
    {
        QStringList out;
        for (const char* name : {"txtName", "txtPlace", "txtPost", "txtPinCode", "txtLedname", "txtRecName", "txtQname",
                                 "txtMonName"})
            out << box(name)->text();
        return out;
    }
    QString tag() const { return box("txtName")->property("Tag").toString(); }
};

} // namespace

TEST_F(InstitutionsWindow, OpensOnTheFirstInstitutionByNameWithTheBoxesLocked)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Company Details"));
    EXPECT_EQ(listRows(), 3);
    EXPECT_EQ(tag(), QStringLiteral("1"));
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("MAIN INSTITUTION"));
    EXPECT_FALSE(box("txtName")->isEnabled());
    EXPECT_FALSE(box("txtMonName")->isEnabled());
    EXPECT_FALSE(bar()->findChild<QPushButton*>(QStringLiteral("CmdPrint"))->isVisible());
    EXPECT_EQ(box("txtPinCode")->maxLength(), 7);

    pickListRow(2);
    EXPECT_EQ(tag(), QStringLiteral("2"));
    EXPECT_EQ(shownFields(), (QStringList{"NORTH BRANCH", "KOTTAYAM", "NAGAMPADAM", "686001", "NORTH LEDGER", "NORTH R&P",
                                          "NORTH QUARTER", "NORTH MONTH"}));
}

TEST_F(InstitutionsWindow, AddingTakesTheGapWithZeroOpeningsAndStaysShown)
{
    click("CmdAdd");
    EXPECT_TRUE(box("txtName")->isEnabled());
    EXPECT_EQ(shownFields(), QStringList(8, QString()));
    EXPECT_EQ(tag(), QString());
    QTest::keyClicks(box("txtName"), "st. mary's");
    QTest::keyClicks(box("txtPinCode"), "68a6-5");
    box("txtRecName")->setText(QStringLiteral("ST. MARY'S \"R&P\" ശാന്തി"));
    click("CmdAdd"); // Save
    EXPECT_TRUE(scripted->texts().isEmpty()) << scripted->texts().join('|').toStdString();
    EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrNone);

    const db::RecordSet rs = conn().query(QStringLiteral("select * from organization where ShopId=3"));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.toString("shopName"), QStringLiteral("ST. MARY'S"));
    EXPECT_EQ(rs.toString("PinCode"), QStringLiteral("6865"));
    EXPECT_EQ(rs.toString("RecName"), QStringLiteral("ST. MARY'S \"R&P\" ശാന്തി"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from accountopening where shopid=3 and opamt=0 and optype='C'")), 2);
    EXPECT_EQ(count(QStringLiteral("select count(*) from accountopening where shopid=3")), 2);
    EXPECT_EQ(listRows(), 4);
    EXPECT_EQ(tag(), QStringLiteral("3")) << "the saved institution stays shown";
    EXPECT_EQ(box("txtRecName")->text(), QStringLiteral("ST. MARY'S \"R&P\" ശാന്തി"));
    EXPECT_FALSE(box("txtName")->isEnabled());
}

TEST_F(InstitutionsWindow, AnEmptyNameIsRefused)
{
    click("CmdAdd");
    box("txtName")->setText(QStringLiteral("   "));
    box("txtPlace")->setText(QStringLiteral("PALA"));
    click("CmdAdd");
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text, QStringLiteral("Invalid Company Name"));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrAdding);
    EXPECT_EQ(box("txtPlace")->text(), QStringLiteral("PALA"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from organization")), 3);
}

TEST_F(InstitutionsWindow, EditingKeepsTheNumberAndItsOpenings)
{
    conn().execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(?, 2, 0, 'C')"), {rent});
    pickListRow(2);
    click("cmdEdit");
    EXPECT_TRUE(box("txtPlace")->isEnabled());
    pickListRow(1); // the list does not overwrite an edit
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("NORTH BRANCH"));
    box("txtName")->setText(QStringLiteral("NORTH WING"));
    box("txtPlace")->clear();
    click("CmdAdd");
    EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrNone);
    const db::RecordSet rs = conn().query(QStringLiteral("select * from organization where ShopId=2"));
    EXPECT_EQ(rs.toString("shopName"), QStringLiteral("NORTH WING"));
    EXPECT_EQ(rs.toString("Place"), QString());
    EXPECT_EQ(rs.toString("Post"), QStringLiteral("NAGAMPADAM"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from organization")), 3);
    EXPECT_EQ(count(QStringLiteral("select count(*) from accountopening where shopid=2")), 1);
    EXPECT_EQ(tag(), QStringLiteral("2"));
}

TEST_F(InstitutionsWindow, DeleteGuardsSpeakAndADeleteTakesTheOpenings)
{
    conn().execute(QStringLiteral("insert into accountopening(accno, shopid, opamt, optype) values(1, 2, 100, 'D'), "
                                  "(1, 4, 0, 'C'), (?, 4, 0, 'C')"),
                   {rent});
    struct Case {
        int row;
        const char* message;
        MessageIcon icon;
    };
    const Case refused[] = {
        {1, "Unable to delete the Record", MessageIcon::None},
        {2, "This record cannot be deleted!!! Opening Amount Exist", MessageIcon::Information},
    };
    for (const Case& c : refused) {
        scripted->clear();
        pickListRow(c.row);
        deleteShown();
        ASSERT_EQ(scripted->messages().size(), 2u) << c.message;
        EXPECT_EQ(scripted->messages()[0].text, QStringLiteral("Are You sure to Delete?"));
        EXPECT_EQ(scripted->messages()[1].text, QString::fromLatin1(c.message));
        EXPECT_EQ(scripted->messages()[1].icon, c.icon);
    }
    conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                  "values(4, 1, ?, '2026-05-01', 100)"),
                   {rent});
    scripted->clear();
    pickListRow(3);
    deleteShown();
    EXPECT_EQ(scripted->texts().value(1), QStringLiteral("This record cannot be deleted!! Transaction Exist.."));
    EXPECT_EQ(count(QStringLiteral("select count(*) from organization")), 3);

    conn().execute(QStringLiteral("delete from journal"));
    scripted->clear();
    pickListRow(3);
    deleteShown();
    EXPECT_EQ(scripted->texts(), QStringList{"Are You sure to Delete?"});
    EXPECT_EQ(count(QStringLiteral("select count(*) from organization where ShopId=4")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from accountopening where shopid=4")), 0);
    EXPECT_EQ(listRows(), 2);
    EXPECT_EQ(tag(), QStringLiteral("1"));
}

TEST_F(InstitutionsWindow, AFailedSaveIsReportedAndNothingIsHalfSaved)
{
    conn().execute(QStringLiteral("create trigger refuse before insert on accountopening "
                                  "begin select raise(abort, 'disk full'); end"));
    click("CmdAdd");
    box("txtName")->setText(QStringLiteral("HALF"));
    scripted->answer(MessageAnswer::Abort);
    click("CmdAdd");
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_TRUE(scripted->messages()[0].text.contains(QStringLiteral("disk full"))) << scripted->messages()[0].text.toStdString();
    EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrAdding) << "the user can correct and save again";
    EXPECT_EQ(count(QStringLiteral("select count(*) from organization")), 3);

    // Ignore goes on without the save: still nothing stored, still entering.
    scripted->answer(MessageAnswer::Ignore);
    click("CmdAdd");
    EXPECT_EQ(bar()->ButtonMode(), ctl::BtnShield::TrAdding);
    EXPECT_EQ(count(QStringLiteral("select count(*) from organization")), 3);
}

TEST_F(InstitutionsWindow, F1OpensTheWindowsHelpTopic)
{
    auto help = std::make_unique<test::RecordingHelp>();
    test::RecordingHelp* seen = help.get();
    auto previous = setHelpViewer(std::move(help));
    QTest::keyClick(list()->grid(), Qt::Key_F1);
    EXPECT_EQ(seen->topics, std::vector<int>{FrmCompany::HelpContextID});
    setHelpViewer(std::move(previous));
}
