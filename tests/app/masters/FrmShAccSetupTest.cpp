#include "app/masters/AccountsBooks.h"
#include "dialogs/ScriptedDialogs.h"
#include "masters/FrmShAccSetup.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using namespace pellam::masters;

namespace {

struct ShAccSetup : ::testing::Test {
    test::AccountsBooks books;
    ScriptedDialogsGuard scripted;
    qint64 salary = books.addHead(QStringLiteral("SAL"), QStringLiteral("SALARY"));
    qint64 donations = books.addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS"));
    qint64 fund = books.addHead(QStringLiteral("BLDG012345"), QStringLiteral("ST. MARY'S \"NEW\" BUILDING FUND"));

    void SetUp() override { books.addInstitution(2, QStringLiteral("ஸ்ரீ DISPENSARY")); }

    static QStringList entries(const FrmShAccSetup& window)
    {
        QStringList out;
        const auto* list = window.findChild<QListWidget*>(QStringLiteral("LstAcc"));
        for (int i = 0; i < list->count(); ++i)
            out << (list->item(i)->checkState() == Qt::Checked ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) +
                       list->item(i)->text();
        return out;
    }
    static QString text(const FrmShAccSetup& window, const char* label)
    {
        return window.findChild<QLabel*>(QString::fromLatin1(label))->text();
    }
    static void choose(FrmShAccSetup& window, int index)
    {
        window.findChild<QComboBox*>(QStringLiteral("CboComp"))->setCurrentIndex(index);
    }
    static void tick(FrmShAccSetup& window, int row, bool on)
    {
        window.findChild<QListWidget*>(QStringLiteral("LstAcc"))->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    static void update(FrmShAccSetup& window)
    {
        window.findChild<QPushButton*>(QStringLiteral("CmdUp"))->click();
    }
};

} // namespace

TEST_F(ShAccSetup, ListsTheInstitutionsHeadsTickedFirstThenTheRestInNameOrder)
{
    books.listHead(1, salary);
    books.listHead(1, donations);
    FrmShAccSetup window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Shop Wise Account Setup"));
    const auto* combo = window.findChild<QComboBox*>(QStringLiteral("CboComp"));
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), QStringLiteral("ஸ்ரீ DISPENSARY"));
    EXPECT_EQ(combo->itemData(1).toLongLong(), 2);
    EXPECT_EQ(text(window, "Lbl1"), QStringLiteral("Accounts In MAIN INSTITUTION"));
    // A ten-character code leaves no blank before the bar.
    EXPECT_EQ(entries(window), (QStringList{
                                   QStringLiteral("[x] DON        | DONATIONS"),
                                   QStringLiteral("[x] SAL        | SALARY"),
                                   QStringLiteral("[ ] CASH       | CASH A/C"),
                                   QStringLiteral("[ ] BLDG012345 | ST. MARY'S \"NEW\" BUILDING FUND"),
                               }));
    EXPECT_EQ(text(window, "LblTot"), QStringLiteral("2/4"));
    EXPECT_TRUE(scripted->messages().empty());

    tick(window, 3, true);
    EXPECT_EQ(text(window, "LblTot"), QStringLiteral("3/4"));
    tick(window, 0, false);
    EXPECT_EQ(text(window, "LblTot"), QStringLiteral("2/4"));
    update(window);
    EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral("The List is Updated")});
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(books.listedHeads(1), (QList<qint64>{salary, fund}));
}

TEST_F(ShAccSetup, AnInstitutionWithNothingListedAndNoVouchersShowsEveryHeadUntickedSilently)
{
    FrmShAccSetup window;
    choose(window, 1);
    EXPECT_EQ(text(window, "Lbl1"), QStringLiteral("Accounts In ஸ்ரீ DISPENSARY"));
    EXPECT_EQ(entries(window), (QStringList{
                                   QStringLiteral("[ ] CASH       | CASH A/C"),
                                   QStringLiteral("[ ] DON        | DONATIONS"),
                                   QStringLiteral("[ ] SAL        | SALARY"),
                                   QStringLiteral("[ ] BLDG012345 | ST. MARY'S \"NEW\" BUILDING FUND"),
                               }));
    EXPECT_EQ(text(window, "LblTot"), QStringLiteral("0/4"));
    EXPECT_TRUE(scripted->messages().empty());
}

TEST_F(ShAccSetup, HeadsOfTheVouchersAreOfferedTickedAndStoredOnlyOnUpdate)
{
    books.listHead(1, donations);
    books.addReceipt(2, donations, 50000);
    books.addPayment(2, salary, 20000);
    books.addPayment(1, fund, 100); // another institution's voucher
    FrmShAccSetup window;
    EXPECT_TRUE(scripted->messages().empty()) << "institution 1 has its list";
    choose(window, 1);
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_EQ(scripted->messages()[0].text,
              QStringLiteral("No Accounts are set for This Shop !!!!\rSome Accounts are automatically Listed from journal"));
    EXPECT_EQ(scripted->messages()[0].icon, MessageIcon::None);
    EXPECT_EQ(scripted->messages()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(entries(window), (QStringList{
                                   QStringLiteral("[x] CASH       | CASH A/C"),
                                   QStringLiteral("[x] DON        | DONATIONS"),
                                   QStringLiteral("[x] SAL        | SALARY"),
                                   QStringLiteral("[ ] BLDG012345 | ST. MARY'S \"NEW\" BUILDING FUND"),
                               }));
    EXPECT_EQ(text(window, "LblTot"), QStringLiteral("3/4"));
    EXPECT_TRUE(books.listedHeads(2).isEmpty()) << "nothing is stored before Update";

    update(window);
    EXPECT_EQ(books.listedHeads(2), (QList<qint64>{test::AccountsBooks::kCash, salary, donations}));
    EXPECT_EQ(books.listedHeads(1), QList<qint64>{donations});
}

TEST_F(ShAccSetup, UpdateWithNothingTickedRemovesEveryPairOfTheInstitutionOnly)
{
    books.listHead(1, salary);
    books.listHead(1, fund);
    books.listHead(2, salary);
    FrmShAccSetup window;
    tick(window, 0, false);
    tick(window, 1, false);
    EXPECT_EQ(text(window, "LblTot"), QStringLiteral("0/4"));
    update(window);
    EXPECT_EQ(scripted->texts(), QStringList{QStringLiteral("The List is Updated")});
    EXPECT_TRUE(books.listedHeads(1).isEmpty());
    EXPECT_EQ(books.listedHeads(2), QList<qint64>{salary});
}

TEST_F(ShAccSetup, AFailedUpdateKeepsTheOldListAndSaysSo)
{
    books.listHead(1, salary);
    books.conn().execute(QStringLiteral("create trigger refuse before insert on shopacc when new.accno = %1 "
                                        "begin select raise(abort, 'refused'); end")
                             .arg(fund));
    FrmShAccSetup window;
    tick(window, 0, false);
    tick(window, 3, true);
    scripted->answer(MessageAnswer::Abort);
    update(window);
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_TRUE(scripted->messages()[0].text.contains(QStringLiteral("refused"))) << scripted->messages()[0].text.toStdString();
    EXPECT_EQ(books.listedHeads(1), QList<qint64>{salary}) << "the delete was rolled back";
    EXPECT_FALSE(books.conn().inTransaction());
}

TEST_F(ShAccSetup, AListThatCouldNotBeReadCannotBeStored)
{
    books.listHead(1, salary);
    books.conn().execute(QStringLiteral("alter table shopacc rename to shopacc_away"));
    scripted->answer(MessageAnswer::Abort);
    FrmShAccSetup window;
    ASSERT_EQ(scripted->messages().size(), 1u);
    EXPECT_TRUE(scripted->messages()[0].text.contains(QStringLiteral("shopacc"))) << scripted->messages()[0].text.toStdString();
    EXPECT_EQ(entries(window), QStringList{});
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("CmdUp"))->isEnabled())
        << "an empty list stored now would drop the institution's heads";
}

TEST(ShAccSetupEmptyBooks, BooksWithoutInstitutionsShowAnEmptyWindowAndUpdateDoesNothing)
{
    test::AccountsBooks books;
    ScriptedDialogsGuard scripted;
    books.conn().execute(QStringLiteral("delete from organization"));
    FrmShAccSetup window;
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("CboComp"))->count(), 0);
    EXPECT_EQ(window.findChild<QListWidget*>(QStringLiteral("LstAcc"))->count(), 0);
    window.findChild<QPushButton*>(QStringLiteral("CmdUp"))->click();
    EXPECT_TRUE(scripted->messages().empty());
}
