#include "JournalWindow.h"
#include "app/RecordingHelp.h"
#include "VoucherFixtures.h"

#include "core/MdiHost.h"
#include "grids/FlexGrid.h"
#include "grids/ListGrid.h"
#include "shell/PellamMenu.h"
#include "startup/MenuWiring.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMdiArea>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

constexpr int kCash = 1;

struct Journal : ::testing::Test, test::JournalWindow {
    int milk = addHead(QStringLiteral("MLK"), QStringLiteral("MILK & TEA"));
    int fees = addHead(QStringLiteral("FEE"), QStringLiteral("FEES"));

    // A payment of 100 to MILK & TEA on the fifth day of the year.
    void enterPayment(const QString& amount = QStringLiteral("100"))
    {
        box("TxtJouDate")->setText(day(4));
        chooseHead(QStringLiteral("mi"));
        type("txtAmount", amount);
        type("txtNarration", QStringLiteral("milk"));
    }
    QStringList messages() const { return boxes->texts(); }
};

} // namespace

TEST_F(Journal, OpensOnANewVoucherWithTheNextNumberAndTheCompactHeight)
{
    FrmJournal& f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Reciept & Payment Entry"));
    EXPECT_EQ(text("TxtJouNo"), QStringLiteral("1"));
    EXPECT_EQ(text("TxtJouDate"), datetext::format(QDate::currentDate()));
    EXPECT_TRUE(child<QRadioButton>("OptPAy")->isChecked());
    EXPECT_EQ(child<QComboBox>("CboOrg")->currentText(), QStringLiteral("MAIN INSTITUTION"));
    EXPECT_EQ(f.formHeightTwips(), 3420);
    EXPECT_EQ(state().CashAccName, QStringLiteral("CASH A/C"));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(Journal, F1OpensTheVouchersTopic)
{
    test::RecordingHelp help;
    open();
    QTest::keyClick(box("txtAmount"), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QList<int>{FrmJournal::kHelpContext});
}

TEST_F(Journal, WithoutInstitutionsVouchersAreStoredForInstitutionZero)
{
    books.conn().execute(QStringLiteral("delete from organization"));
    open();
    auto* org = child<QComboBox>("CboOrg");
    ASSERT_EQ(org->count(), 1);
    EXPECT_EQ(org->currentText(), QStringLiteral("<None>"));
    enterPayment();
    click("CmdSave");
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal where shopid=0")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from shopacc where shopid=0 and accno=?"), {milk}), 1);
}

TEST_F(Journal, PaymentAndReceiptPutTheCashAccountOnTheirSidesAndReloadAsTyped)
{
    open();
    enterPayment();
    EXPECT_EQ(text("txtDebitAccId"), QStringLiteral("MILK & TEA (MLK)"));
    click("CmdSave");
    EXPECT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();
    EXPECT_EQ(text("TxtJouNo"), QStringLiteral("2")) << "the reset shows the next number";
    EXPECT_EQ(text("txtAmount"), QString());
    EXPECT_EQ(text("TxtJouDate"), day(4)) << "a valid date stays for the next voucher";

    box("TxtJouDate")->setText(day(5));
    child<QRadioButton>("OptRec")->setChecked(true);
    chooseHead(QStringLiteral("fe"));
    type("txtAmount", QStringLiteral("999999999.99"));
    type("txtBillNo", QStringLiteral("r'1"));
    click("CmdSave");
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal where jousrlno=1 and debitaccid=? and creditaccid=? "
                                   "and amount=10000 and narration='MILK' and userid='MERION'"),
                    {milk, kCash}),
              1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal where jousrlno=2 and debitaccid=? and creditaccid=? "
                                   "and amount=99999999999 and billno=?"),
                    {kCash, fees, QStringLiteral("R'1")}),
              1);

    const struct { qint64 number; const char* type; QString head; QString amount; QString date; } loads[] = {
        {1, "OptPAy", QStringLiteral("MILK & TEA (MLK)"), QStringLiteral("100"), day(4)},
        {2, "OptRec", QStringLiteral("FEES (FEE)"), QStringLiteral("999999999.99"), day(5)},
    };
    for (const auto& l : loads) {
        click("CmdCancel");
        click("CmdEdit");
        leaveNumber(l.number);
        EXPECT_TRUE(child<QRadioButton>(l.type)->isChecked()) << l.number;
        EXPECT_EQ(text("txtDebitAccId"), l.head);
        EXPECT_EQ(text("txtAmount"), l.amount);
        EXPECT_EQ(text("TxtJouDate"), l.date);
    }
    EXPECT_EQ(text("txtBillNo"), QStringLiteral("R'1"));
    EXPECT_FALSE(child<QPushButton>("CmdDelete")->isEnabled()) << "edit mode";
}

TEST_F(Journal, EditRewritesTheLoadedVoucherAndAddsTheNewHeadOnce)
{
    open();
    enterPayment();
    click("CmdSave");
    click("CmdEdit");
    leaveNumber(1);
    chooseHead(QStringLiteral("FEE"));
    type("txtAmount", QStringLiteral("0.001"));
    click("CmdSave");
    EXPECT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();
    EXPECT_FALSE(form->EditMode);
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal where jousrlno=1 and debitaccid=? and creditaccid=? "
                                   "and amount=0"),
                    {fees, kCash}),
              1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from shopacc where shopid=1")), 2);
}

TEST_F(Journal, RefusedSavesSayWhyAndStoreNothing)
{
    open();
    // After a reset the account box is empty and no head is chosen.
    box("TxtJouDate")->setText(day(4));
    type("txtAmount", QStringLiteral("50"));
    click("CmdSave");
    enterPayment(QStringLiteral("0"));
    click("CmdSave");
    // Words cannot spell it, so the voucher could not be printed.
    type("txtAmount", QStringLiteral("99999999999"));
    click("CmdSave");
    EXPECT_EQ(QApplication::focusWidget(), box("txtAmount"));
    box("TxtJouDate")->setText(QStringLiteral("31/02/2027"));
    click("CmdSave");
    EXPECT_EQ(messages(), (QStringList{" Invalid Debit Account !!", " Invalid Amount !!", " Invalid Amount !!",
                                       " Invalid Journal Date !!"}));
    EXPECT_EQ(boxes->messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(QApplication::focusWidget(), box("TxtJouDate"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 0);
    EXPECT_EQ(text("txtNarration"), QStringLiteral("MILK")) << "fields are kept";

    boxes->clear();
    box("TxtJouDate")->setText(day(4));
    click("CmdEdit");
    leaveNumber(7);
    EXPECT_EQ(messages(), QStringList{"Invalid journal Number"});
    EXPECT_EQ(text("TxtJouNo"), QString());
    EXPECT_TRUE(form->EditMode);
}

TEST_F(Journal, TheNumberShownIsTheNumberStoredAndTheStatusBarSaysSo)
{
    PellamMenu menu;
    open();
    enterPayment();
    click("CmdSave");
    enterPayment();
    click("CmdSave");
    EXPECT_EQ(menu.statusPanel(1), QStringLiteral("Saved As Jou. No. 2"));
    boxes->answer(MessageAnswer::Yes);
    click("CmdDelete");
    leaveNumber(2);
    EXPECT_EQ(text("TxtJouNo"), QStringLiteral("3")) << "the number the journal will give";
    enterPayment();
    click("CmdSave");
    EXPECT_EQ(menu.statusPanel(1), QStringLiteral("Saved As Jou. No. 3"));
    EXPECT_EQ(count(QStringLiteral("select max(jousrlno) from journal")), 3);

    // Another program saves while the window shows 4.
    EXPECT_EQ(text("TxtJouNo"), QStringLiteral("4"));
    books.conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                        "values(1, ?, 1, ?, 500)"),
                         {fees, books.year.start.toString(Qt::ISODate)});
    enterPayment();
    click("CmdSave");
    EXPECT_EQ(menu.statusPanel(1), QStringLiteral("Saved As Jou. No. 5, Not 4 As Shown"));
    EXPECT_EQ(text("TxtJouNo"), QStringLiteral("6"));

    // An edit stores the number it loaded, whatever follows the digits.
    click("CmdEdit");
    leaveNumber(1);
    type("TxtJouNo", QStringLiteral("5ABC"));
    box("txtBillNo")->setFocus();
    EXPECT_EQ(text("TxtJouNo"), QStringLiteral("5"));
    type("txtAmount", QStringLiteral("60"));
    click("CmdSave");
    EXPECT_EQ(menu.statusPanel(1), QStringLiteral("Saved As Jou. No. 5"));
    EXPECT_EQ(count(QStringLiteral("select amount from journal where jousrlno=5")), 6000);
    EXPECT_EQ(messages(), QStringList{"Are You Sue to Delete the Record ?"});
}

TEST_F(Journal, ANewVoucherNumberBoxRefusesAnyNumberButItsOwn)
{
    open();
    box("TxtJouDate")->setText(day(4));
    for (const char* typed : {"ABC", "7", "1A"}) {
        boxes->clear();
        type("TxtJouNo", QString::fromLatin1(typed));
        box("txtBillNo")->setFocus();
        EXPECT_EQ(messages(), QStringList{"Invalid journal Number"}) << typed;
        EXPECT_EQ(text("TxtJouNo"), QStringLiteral("1")) << typed;
        EXPECT_EQ(QApplication::focusWidget(), box("TxtJouNo")) << typed;
    }
    boxes->clear();
    type("TxtJouNo", QStringLiteral("1"));
    box("txtBillNo")->setFocus();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), box("txtBillNo"));
}

TEST_F(Journal, LeavingTheDateKeepsItInsideTheYear)
{
    open();
    const struct { QString typed; QString message; QString after; } cases[] = {
        {datetext::format(books.year.start.addDays(-1)),
         " Date cannot be Less than the " + datetext::format(books.year.start), day(0)},
        {datetext::format(books.year.end.addDays(1)),
         " Date cannot be greater than the " + datetext::format(books.year.end), datetext::format(books.year.end)},
        {datetext::format(books.year.end), QString(), datetext::format(books.year.end)},
        {QStringLiteral("32/01/2027"), QStringLiteral("Invalid Journal Date !!!! "), QStringLiteral("32/01/2027")},
    };
    for (const auto& c : cases) {
        boxes->clear();
        box("TxtJouDate")->setFocus();
        box("TxtJouDate")->setText(c.typed);
        box("TxtJouNo")->setFocus();
        EXPECT_EQ(messages(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.typed.toStdString();
        EXPECT_EQ(text("TxtJouDate"), c.after);
    }
    EXPECT_EQ(QApplication::focusWidget(), box("TxtJouDate")) << "an invalid date takes the focus back";
}

TEST_F(Journal, DeleteAsksAndEitherAnswerEndsInTheReset)
{
    open();
    enterPayment();
    click("CmdSave");
    boxes->answer(MessageAnswer::No).answer(MessageAnswer::Yes);
    click("CmdDelete");
    leaveNumber(1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 1);
    EXPECT_FALSE(form->DeleteMode);
    EXPECT_EQ(text("txtDebitAccId"), QString());
    click("CmdDelete");
    leaveNumber(1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 0);
    ASSERT_EQ(boxes->messages().size(), 2u);
    EXPECT_EQ(boxes->messages()[1].text, QStringLiteral("Are You Sue to Delete the Record ?"));
    EXPECT_EQ(boxes->messages()[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(boxes->messages()[1].icon, MessageIcon::Question);
    EXPECT_EQ(text("TxtJouNo"), QStringLiteral("2")) << "the deleted number is not given again";
}

TEST_F(Journal, PrintModePrintsEachLoadedVoucherAndStaysOn)
{
    books.conn().execute(QStringLiteral("update organization set shopName=?, Place='ARAVURAM', PinCode='680100'"),
                         {QStringLiteral("ST. MARY'S SCHOOL")});
    books.conn().execute(QStringLiteral("insert into organization(ShopId, shopName, Place, PinCode) "
                                        "values(2, 'PELLAM DISPENSARY', 'KOCHI', '682001')"));
    const int donations = addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS"));
    books.conn().execute(
        QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration, billno, userid) "
                       "values(1, ?, 1, ?, 12345650, 'PAID TO ST. MARY''S CANTEEN FOR MILK AND TEA', ' 12 ', 'MERION'),"
                       "(2, 1, ?, ?, 10000, null, null, 'MERION')"),
        {milk, books.year.start.addDays(4).toString(Qt::ISODate), donations, books.year.end.toString(Qt::ISODate)});
    open();
    boxes->answer(MessageAnswer::Yes).answer(MessageAnswer::No).answer(MessageAnswer::Yes);
    click("CmdPrint");
    leaveNumber(1);
    leaveNumber(2);  // answered No: nothing printed
    leaveNumber(2);
    EXPECT_TRUE(form->PrintMode);
    EXPECT_EQ(boxes->texts(), QStringList(3, QStringLiteral("Do you want to print the Details ?")));

    QByteArray expected = test::fixture(QStringLiteral("payment.prn")) + test::fixture(QStringLiteral("receipt.prn"));
    expected.replace("05/04/2026", day(4).toLatin1()).replace("31/03/2027", datetext::format(books.year.end).toLatin1());
    EXPECT_EQ(printed(), expected);
}

TEST_F(Journal, ControlCharactersInTheBooksPrintAsBlanksOnTheVoucher)
{
    // The payment fixture's texts, with control characters for some blanks.
    books.conn().execute(QStringLiteral("update organization set shopName=?, Place='ARAVURAM', PinCode='680100'"),
                         {QStringLiteral("ST. MARY'S\x07SCHOOL")});
    books.conn().execute(QStringLiteral("update account set AccountName=? where accno=?"),
                         {QStringLiteral("MILK\x1b& TEA"), milk});
    books.conn().execute(
        QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount, narration, billno, userid) "
                       "values(1, ?, 1, ?, 12345650, ?, ?, 'MERION')"),
        {milk, books.year.start.addDays(4).toString(Qt::ISODate),
         QStringLiteral("PAID TO ST. MARY'S\x1b" "CANTEEN\nFOR MILK\rAND") + QChar(0) + QStringLiteral("TEA"),
         QStringLiteral("\t12\x0e")});
    open();
    boxes->answer(MessageAnswer::Yes);
    click("CmdPrint");
    leaveNumber(1);
    QByteArray expected = test::fixture(QStringLiteral("payment.prn"));
    expected.replace("05/04/2026", day(4).toLatin1());
    EXPECT_EQ(printed(), expected);
}

TEST_F(Journal, PrintAfterSaveShowsTheFieldsAsSavedThenResets)
{
    books.conn().execute(QStringLiteral("update initialize set jouprndefa=1"));
    open();
    enterPayment(QStringLiteral("25"));
    type("txtBillNo", QStringLiteral("o'k"));
    click("CmdSave");
    EXPECT_EQ(messages(), QStringList{"Do you want to print the Details ?"});
    const QByteArray bytes = printed();
    EXPECT_TRUE(bytes.contains("Vou.No : PO'K")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("Paid Rs. Twenty Five Only\r\n   On Account of Milk\r\n[MILK & TEA (MLK)]\r\n"));
    EXPECT_EQ(text("txtAmount"), QString());
}

namespace {

// Answers as the script says and notes the journal number the window shows
// at each question.
struct NumberAtQuestion : ScriptedDialogs {
    QLineEdit* box = nullptr;
    QStringList shown;
    MessageAnswer message(const MessageRequest& request) override
    {
        shown << box->text();
        return ScriptedDialogs::message(request);
    }
};

} // namespace

TEST_F(Journal, ThePrintOfferedAfterASaveShowsTheStoredNumber)
{
    books.conn().execute(QStringLiteral("update initialize set jouprndefa=1"));
    open();
    auto recorder = std::make_unique<NumberAtQuestion>();
    NumberAtQuestion* questions = recorder.get();
    questions->box = box("TxtJouNo");
    questions->answer(MessageAnswer::No);
    auto previous = setDialogs(std::move(recorder));
    // Another program takes number 1 while the window shows it.
    books.conn().execute(QStringLiteral("insert into journal(shopid, debitaccid, creditaccid, joudate, amount) "
                                        "values(1, ?, 1, ?, 500)"),
                         {fees, books.year.start.toString(Qt::ISODate)});
    enterPayment();
    click("CmdSave");
    EXPECT_EQ(questions->shown, QStringList{"2"});
    EXPECT_EQ(text("TxtJouNo"), QStringLiteral("3")) << "then the reset";
    const std::unique_ptr<Dialogs> done = setDialogs(std::move(previous));
}

TEST_F(Journal, AFailedSaveRollsBackAndKeepsTheFieldsAndTheMode)
{
    open();
    enterPayment();
    click("CmdSave");
    click("CmdEdit");
    leaveNumber(1);
    type("txtAmount", QStringLiteral("75"));
    books.conn().execute(QStringLiteral("pragma query_only=1"));
    click("CmdSave");
    books.conn().execute(QStringLiteral("pragma query_only=0"));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("readonly"))) << messages()[0].toStdString();
    EXPECT_EQ(boxes->messages()[0].icon, MessageIcon::Information);
    EXPECT_TRUE(form->EditMode);
    EXPECT_EQ(text("txtAmount"), QStringLiteral("75"));
    EXPECT_EQ(count(QStringLiteral("select amount from journal where jousrlno=1")), 10000);
    EXPECT_FALSE(books.conn().inTransaction());

    click("CmdSave");
    EXPECT_EQ(count(QStringLiteral("select amount from journal where jousrlno=1")), 7500);
}

TEST_F(Journal, LookupFiltersByNameOrCodeAndArrowsChoose)
{
    addHead(QStringLiteral("MISC"), QStringLiteral("SUNDRY EXPENSES"));
    open();
    auto* popup = child<ctl::PopupGrid>("PopupGrid1");
    box("txtDebitAccId")->setFocus();
    QTest::keyClicks(box("txtDebitAccId"), QStringLiteral("mi"));
    ASSERT_TRUE(popup->isShown());
    popup->Timer1_Timer();
    EXPECT_EQ(popup->grid()->Rows(), 3) << "MILK & TEA by name, SUNDRY EXPENSES by code; never the cash account";
    QTest::keyClick(box("txtDebitAccId"), Qt::Key_Down);
    QTest::keyClick(box("txtDebitAccId"), Qt::Key_Return);
    EXPECT_FALSE(popup->isShown());
    EXPECT_EQ(text("txtDebitAccId"), QStringLiteral("SUNDRY EXPENSES (MISC)"));
    EXPECT_EQ(box("txtDebitAccId")->property("Tag").toString(), QString::number(milk + 2));
}

TEST_F(Journal, DayListShowsTheDaysVouchersWhenTheMainWindowIsTallEnough)
{
    QMdiArea area;
    area.resize(900, 600);
    area.show();
    QApplication::setActiveWindow(&area);
    setMdiArea(&area);
    // The main window's area owns the window.
    FrmJournal* f = FrmJournal::open();
    form = f;
    enterPayment();
    click("CmdSave");
    ASSERT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();
    child<QCheckBox>("Check1")->click();
    EXPECT_NEAR(f->formHeightTwips(), area.viewport()->height() * 15 - 100, 15);
    auto* list = child<ctl::ListGrid>("ListGrid1");
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), "Details of " + day(4));
    ASSERT_EQ(list->grid()->Rows(), 2);
    EXPECT_EQ(list->grid()->TextMatrix(0, 1), QStringLiteral("J. No."));
    EXPECT_EQ(list->grid()->TextMatrix(1, 2), QStringLiteral("P"));
    EXPECT_EQ(list->grid()->TextMatrix(1, 4), QStringLiteral("100.00"));

    child<QCheckBox>("Check1")->click();
    EXPECT_EQ(f->formHeightTwips(), 3420);
    area.resize(900, 300);
    child<QCheckBox>("Check1")->click();
    EXPECT_EQ(f->formHeightTwips(), 3420) << "no room for a list";
    setMdiArea(nullptr);
}

TEST_F(Journal, EachBoxFiltersItsKeysAsItsKindSays)
{
    open();
    const struct { const char* box; const char* typed; const char* shown; } cases[] = {
        {"txtAmount", "12a.5.3-", "12.53"},
        {"txtAmount", "1234567890123", "123456789012"},
        {"txtBillNo", "b-12/xyz", "B-12/XY"},
        {"txtNarration", "st. mary's", "ST. MARY'S"},
        {"TxtJouNo", "a1", "A1"},
        {"TxtJouDate", "0a5/04x2026", "05/04/2026"},
    };
    for (const auto& c : cases) {
        type(c.box, QString::fromLatin1(c.typed));
        EXPECT_EQ(text(c.box), QString::fromLatin1(c.shown)) << c.box << " " << c.typed;
    }
    // A selected point is typed over, not refused.
    box("txtAmount")->setText(QStringLiteral("1.5"));
    box("txtAmount")->setSelection(1, 2);
    QTest::keyClicks(box("txtAmount"), QStringLiteral(".7"));
    EXPECT_EQ(text("txtAmount"), QStringLiteral("1.7"));
}

TEST_F(Journal, EnterMovesThroughTheBoxesInTheirOrderToSave)
{
    open();
    QStringList visited;
    box("TxtJouDate")->setFocus();
    for (int i = 0; i < 8; ++i) {
        QWidget* at = QApplication::focusWidget();
        visited << at->objectName();
        QTest::keyClick(at, Qt::Key_Return);
        QApplication::processEvents();
    }
    visited << QApplication::focusWidget()->objectName();
    EXPECT_EQ(visited.join(QLatin1Char(' ')).toStdString(),
              "TxtJouDate TxtJouNo txtBillNo CboOrg OptPAy txtDebitAccId txtAmount txtNarration CmdSave");
}

TEST_F(Journal, AMissingPrinterIsReportedAndLoggedThenTheWindowResets)
{
    SettingsStore::write(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam\\Coffer9.0"),
                         QStringLiteral("RawPrinter"), books.home.file(QStringLiteral("no-such-folder/prn")));
    open();
    enterPayment();
    click("CmdSave");
    click("CmdPrint");
    leaveNumber(1);
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[0], QStringLiteral("Do you want to print the Details ?"));
    EXPECT_TRUE(messages()[1].startsWith(QStringLiteral("The File / Path you specified not exist")))
        << messages()[1].toStdString();
    EXPECT_FALSE(form->PrintMode) << "abandoning the print runs the reset";
    QFile log(state().ErrorLog);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("vouprn"));
}

TEST_F(Journal, TheMenuItemOpensTheWindowAtTheTopLeftOfTheMainWindow)
{
    PellamMenu menu;
    wireMenu(menu);
    menu.show();
    QAction* item = menu.item(QStringLiteral("MnEJou"));
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    const QList<QWidget*> children = childWindows();
    ASSERT_EQ(children.size(), 1);
    auto* journal = qobject_cast<FrmJournal*>(children[0]);
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->parentWidget()->pos(), QPoint(0, 0));
    EXPECT_EQ(journal->formHeightTwips(), 3420);
}

TEST_F(Journal, AnAuditorReadsButEverySaveAndDeleteIsRefusedWithNothingStored)
{
    open();
    enterPayment();
    click("CmdSave");
    ASSERT_EQ(count(QStringLiteral("select count(*) from journal")), 1);
    books.conn().executeScript(QStringLiteral("insert into loginuser(userid, username) values('AUDIT', 'AUDIT');"
                                              "insert into userrole(userid, role) values('AUDIT', 'Auditor');"));
    app::state().Util.setUserName(QStringLiteral("AUDIT"));
    const QString refusal = QStringLiteral("An Auditor can read the books but not change them.");

    enterPayment(QStringLiteral("250"));
    click("CmdSave");
    EXPECT_EQ(messages(), QStringList{refusal});
    EXPECT_EQ(boxes->messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(text("txtAmount"), QStringLiteral("250")) << "what was typed stays on screen";

    boxes->clear();
    click("CmdEdit");
    leaveNumber(1);
    EXPECT_EQ(text("txtAmount"), QStringLiteral("100")) << "a voucher can be loaded for reading";
    type("txtAmount", QStringLiteral("300"));
    click("CmdSave");
    click("CmdCancel");
    click("CmdDelete");
    EXPECT_EQ(messages(), (QStringList{refusal, refusal}));
    EXPECT_FALSE(form->DeleteMode);
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 1);
    EXPECT_EQ(count(QStringLiteral("select amount from journal where jousrlno = 1")), 10000);
}

TEST_F(Journal, AVoucherOnALockedDayIsNeitherSavedChangedNorDeleted)
{
    open();
    enterPayment();
    click("CmdSave");
    const QString lockDay = day(4);
    books.conn().execute(QStringLiteral("insert into booksetting(name, value) values('LockedUntil', ?)"),
                         {books.year.start.addDays(4).toString(Qt::ISODate)});
    const QString locked = QStringLiteral("The books are locked up to %1: a voucher dated on or before it cannot be "
                                          "added, changed or deleted.")
                               .arg(lockDay);
    enterPayment();
    click("CmdSave");
    EXPECT_EQ(messages(), QStringList({locked}));
    EXPECT_EQ(QApplication::focusWidget(), box("TxtJouDate"));

    for (const char* mode : {"CmdEdit", "CmdDelete"}) {
        boxes->clear();
        click(mode);
        leaveNumber(1);
        EXPECT_EQ(messages(), QStringList({locked})) << mode;
        click("CmdCancel");
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 1);

    boxes->clear();
    enterPayment();
    box("TxtJouDate")->setText(day(5));
    click("CmdSave");
    EXPECT_EQ(messages(), QStringList());
    EXPECT_EQ(count(QStringLiteral("select count(*) from journal")), 2) << "the day after the lock is open";
}
