#include "app/masters/AccountsBooks.h"
#include "dialogs/ScriptedDialogs.h"
#include "help/HelpViewer.h"
#include "masters/DetailListModel.h"
#include "masters/frmTreeList.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;
using namespace pellam::masters;

namespace {

// Records the help topics asked for.
struct RecordingHelp : HelpViewer {
    QList<int> topics;
    void showContents(const QString&, int topicId) override { topics << topicId; }
    void showTopic(const QString&, int topicId) override { topics << topicId; }
    void showIndex(const QString&, int) override {}
    void close() override {}
};

struct TreeList : ::testing::Test {
    test::AccountsBooks books;
    ScriptedDialogsGuard scripted;
    qint64 salary = books.addHead(QStringLiteral("SAL"), QStringLiteral("SALARY"));
    qint64 donations = books.addHead(QStringLiteral("DON"), QStringLiteral("DONATIONS"));
    qint64 fees = books.addHead(QStringLiteral("FEE"), QStringLiteral("ஸ்ரீ FEES"));

    static QTreeWidget* tree(const frmTreeList& window)
    {
        return window.findChild<QTreeWidget*>(QStringLiteral("tvTreeView"));
    }
    static QTreeWidgetItem* rp(const frmTreeList& window) { return tree(window)->topLevelItem(0)->child(0); }
    static QTreeWidgetItem* head(const frmTreeList& window, const QString& name)
    {
        QTreeWidgetItem* branch = rp(window);
        for (int i = 0; i < branch->childCount(); ++i)
            if (branch->child(i)->text(0) == name)
                return branch->child(i);
        return nullptr;
    }
    static void click(const frmTreeList& window, QTreeWidgetItem* node)
    {
        QTreeWidget* view = tree(window);
        view->scrollToItem(node);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(node).center());
    }
    static QStringList headers(const frmTreeList& window)
    {
        QStringList out;
        const DetailListModel* model = window.listModel();
        for (int c = 0; c < model->columnCount(); ++c)
            out << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        return out;
    }
    static QList<QStringList> rows(const frmTreeList& window)
    {
        QList<QStringList> out;
        const DetailListModel* model = window.listModel();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->row(r).texts;
        return out;
    }
    static QString detailsTitle(const frmTreeList& window)
    {
        return window.findChildren<QLabel*>(QStringLiteral("lblTitle")).value(1)->text();
    }
    static void sortBy(const frmTreeList& window, int column)
    {
        QHeaderView* header = window.findChild<QTableView*>(QStringLiteral("lvListView"))->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
};

} // namespace

TEST_F(TreeList, TheTreeHoldsEveryHeadButTheCashAccountInNameOrder)
{
    frmTreeList window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Utility  - Accounts List"));
    QTreeWidget* view = tree(window);
    ASSERT_EQ(view->topLevelItemCount(), 1);
    QTreeWidgetItem* root = view->topLevelItem(0);
    EXPECT_EQ(root->text(0), QApplication::applicationDisplayName());
    EXPECT_EQ(root->data(0, Qt::UserRole).toString(), QStringLiteral("Z"));
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(rp(window)->text(0), QStringLiteral("Reciept & Payment"));
    EXPECT_EQ(rp(window)->data(0, Qt::UserRole).toString(), QStringLiteral("RP"));
    EXPECT_TRUE(root->isExpanded());

    QStringList names, keys;
    QList<qint64> tags;
    for (int i = 0; i < rp(window)->childCount(); ++i) {
        names << rp(window)->child(i)->text(0);
        keys << rp(window)->child(i)->data(0, Qt::UserRole).toString();
        tags << rp(window)->child(i)->data(0, Qt::UserRole + 1).toLongLong();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("DONATIONS"), QStringLiteral("SALARY"), QStringLiteral("ஸ்ரீ FEES")}));
    EXPECT_EQ(keys, (QStringList{QStringLiteral("AR1"), QStringLiteral("AR2"), QStringLiteral("AR3")}));
    EXPECT_EQ(tags, (QList<qint64>{donations, salary, fees}));
    EXPECT_EQ(window.listModel()->rowCount(), 0);
}

TEST_F(TreeList, ReceiptAndPaymentListsEveryHeadsYearTotalsPerSide)
{
    // Both institutions count; small amounts add up exactly.
    books.addInstitution(2, QStringLiteral("DISPENSARY"));
    books.addReceipt(1, donations, 123456750);
    books.addReceipt(2, donations, 10);
    books.addReceipt(2, donations, 20);
    books.addPayment(1, donations, 99);
    books.addPayment(1, salary, 1500000);
    books.addPayment(2, salary, 50);
    frmTreeList window;
    window.show();
    click(window, rp(window));
    EXPECT_EQ(detailsTitle(window), QStringLiteral("Reciept & Payment"));
    EXPECT_EQ(headers(window), (QStringList{QStringLiteral("Acc ID"), QStringLiteral("Account"), QStringLiteral("Debit"),
                                            QStringLiteral("Credit")}));
    EXPECT_EQ(rows(window), (QList<QStringList>{
                                {QStringLiteral("DON"), QStringLiteral("DONATIONS"), QStringLiteral("0.99"),
                                 QStringLiteral("12,34,567.80")},
                                {QStringLiteral("SAL"), QStringLiteral("SALARY"), QStringLiteral("15,000.50"),
                                 QStringLiteral("0.00")},
                                {QStringLiteral("FEE"), QStringLiteral("ஸ்ரீ FEES"), QStringLiteral("0.00"),
                                 QStringLiteral("0.00")},
                            }));
    const auto* model = window.listModel();
    EXPECT_EQ(model->row(0).tag, QStringLiteral("RP"));
    EXPECT_TRUE(model->columns()[2].rightAligned && model->columns()[3].rightAligned);
    const auto* table = window.findChild<QTableView*>(QStringLiteral("lvListView"));
    EXPECT_EQ(table->columnWidth(1), 200) << "3000 twips: thirty characters of name";

    // Clicking the branch again lists it afresh.
    books.addPayment(2, fees, 100);
    click(window, rp(window));
    EXPECT_EQ(rows(window).value(2).value(2), QStringLiteral("1.00"));

    // The root lists nothing.
    click(window, tree(window)->topLevelItem(0));
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(detailsTitle(window), QApplication::applicationDisplayName());
}

TEST_F(TreeList, AHeadListsItsVouchersInDateOrderFromTheCashBooksSide)
{
    books.addInstitution(2, QStringLiteral("DISPENSARY"));
    books.addPayment(1, salary, 250000, QStringLiteral("2026-06-30"));
    books.addReceipt(2, salary, 1000, QStringLiteral("2026-04-02"));
    books.addReceipt(1, salary, 5, QStringLiteral("2026-06-30"));
    books.addReceipt(1, donations, 777, QStringLiteral("2026-05-01"));
    frmTreeList window;
    window.show();
    click(window, head(window, QStringLiteral("SALARY")));
    EXPECT_EQ(detailsTitle(window), QStringLiteral("SALARY"));
    EXPECT_EQ(headers(window), (QStringList{QStringLiteral("JouNo"), QStringLiteral("Date"), QStringLiteral("Account"),
                                            QStringLiteral("Debit"), QStringLiteral("Credit")}));
    // A payment debits the head and stands under Credit; a receipt under Debit.
    EXPECT_EQ(rows(window), (QList<QStringList>{
                                {QStringLiteral("2"), QStringLiteral("02/04/2026"), QStringLiteral("CASH A/C"),
                                 QStringLiteral("10.00"), QStringLiteral("0.00")},
                                {QStringLiteral("1"), QStringLiteral("30/06/2026"), QStringLiteral("CASH A/C"),
                                 QStringLiteral("0.00"), QStringLiteral("2,500.00")},
                                {QStringLiteral("3"), QStringLiteral("30/06/2026"), QStringLiteral("CASH A/C"),
                                 QStringLiteral("0.05"), QStringLiteral("0.00")},
                            }));
    EXPECT_EQ(window.listModel()->row(0).tag, head(window, QStringLiteral("SALARY"))->data(0, Qt::UserRole).toString());

    click(window, head(window, QStringLiteral("ஸ்ரீ FEES")));
    EXPECT_EQ(detailsTitle(window), QStringLiteral("ஸ்ரீ FEES"));
    EXPECT_EQ(window.listModel()->rowCount(), 0);
    EXPECT_EQ(window.listModel()->columnCount(), 5);
}

TEST_F(TreeList, ColumnsSortByValueAndASecondClickTurnsTheOrder)
{
    books.addReceipt(1, donations, 10000000, QStringLiteral("2026-04-10"));
    books.addReceipt(1, donations, 900, QStringLiteral("2027-01-05"));
    books.addReceipt(1, donations, 1000, QStringLiteral("2026-12-31"));
    frmTreeList window;
    window.show();
    click(window, head(window, QStringLiteral("DONATIONS")));
    const auto column = [&](int c) {
        QStringList out;
        for (const QStringList& row : rows(window))
            out << row[c];
        return out;
    };
    sortBy(window, 3);
    EXPECT_EQ(column(3), (QStringList{QStringLiteral("9.00"), QStringLiteral("10.00"), QStringLiteral("1,00,000.00")}));
    sortBy(window, 3);
    EXPECT_EQ(column(3), (QStringList{QStringLiteral("1,00,000.00"), QStringLiteral("10.00"), QStringLiteral("9.00")}));
    sortBy(window, 1);
    EXPECT_EQ(column(1), (QStringList{QStringLiteral("10/04/2026"), QStringLiteral("31/12/2026"),
                                      QStringLiteral("05/01/2027")}))
        << "a new column sorts upwards, by day";
    sortBy(window, 1);
    EXPECT_EQ(column(1), (QStringList{QStringLiteral("05/01/2027"), QStringLiteral("31/12/2026"),
                                      QStringLiteral("10/04/2026")}));

    click(window, rp(window));
    sortBy(window, 1);
    EXPECT_EQ(column(1), (QStringList{QStringLiteral("DONATIONS"), QStringLiteral("SALARY"), QStringLiteral("ஸ்ரீ FEES")}));
    sortBy(window, 1);
    EXPECT_EQ(column(1), (QStringList{QStringLiteral("ஸ்ரீ FEES"), QStringLiteral("SALARY"), QStringLiteral("DONATIONS")}));
}

TEST_F(TreeList, F5RebuildsTheTreeAndF1OpensTheWindowsHelp)
{
    auto* help = new RecordingHelp;
    auto previous = setHelpViewer(std::unique_ptr<HelpViewer>(help));
    frmTreeList window;
    window.show();
    click(window, rp(window));
    books.addHead(QStringLiteral("ABC"), QStringLiteral("ALMS"));
    QTest::keyClick(tree(window), Qt::Key_F5);
    ASSERT_EQ(rp(window)->childCount(), 4);
    EXPECT_EQ(rp(window)->child(0)->text(0), QStringLiteral("ALMS"));
    EXPECT_EQ(window.listModel()->rowCount(), 0) << "the list is cleared";

    QTest::keyClick(window.findChild<QTableView*>(QStringLiteral("lvListView")), Qt::Key_F1);
    EXPECT_EQ(help->topics, QList<int>{frmTreeList::kHelpContext});
    setHelpViewer(std::move(previous));
}

namespace {

void sendMouse(QWidget* target, QEvent::Type type, int x, Qt::MouseButtons buttons)
{
    const QPointF local(x, 5);
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

TEST_F(TreeList, TheSplitterIsDraggedWithinItsLimits)
{
    frmTreeList window;
    window.resize(600, 400); // 9000 twips wide
    window.show();
    auto* grip = window.findChild<QFrame*>(QStringLiteral("imgSplitter"));
    auto* bar = window.findChild<QFrame*>(QStringLiteral("picSplitter"));
    auto* list = window.findChild<QTableView*>(QStringLiteral("lvListView"));
    const auto drag = [&](int dx) {
        sendMouse(grip, QEvent::MouseButtonPress, 1, Qt::LeftButton);
        EXPECT_TRUE(bar->isVisible());
        sendMouse(grip, QEvent::MouseMove, 1 + dx, Qt::LeftButton);
        const int barAt = bar->x();
        sendMouse(grip, QEvent::MouseButtonRelease, 1 + dx, Qt::NoButton);
        EXPECT_FALSE(bar->isVisible());
        return barAt;
    };

    EXPECT_EQ(drag(-1000), qRound(1000 / 15.0)) << "the bar stops 1000 twips from the left";
    EXPECT_EQ(window.splitterPosition(), 1500) << "the tree stays 1500 twips wide";
    EXPECT_EQ(tree(window)->width(), 100);
    EXPECT_EQ(grip->x(), 100);

    EXPECT_EQ(drag(+1000), 600 - qRound(1000 / 15.0)) << "and 1000 twips from the right";
    EXPECT_EQ(window.splitterPosition(), 9000 - 1500);
    EXPECT_EQ(list->width(), qRound((9000 - 7500 - 140) / 15.0));

    drag(-100);
    EXPECT_EQ(window.splitterPosition(), 9000 - 1500 - 100 * 15 + 15) << "the mouse pressed 1 pixel into the grip";
    EXPECT_EQ(tree(window)->width(), window.splitterPosition() / 15);
    EXPECT_EQ(list->x(), tree(window)->width() + 4);

    window.resize(300, 400); // narrower than the splitter: it moves in
    EXPECT_EQ(window.splitterPosition(), 4500 - 1500);
}
