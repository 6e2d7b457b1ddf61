#include "masters/frmTreeList.h"

#include "common/HostForm.h"
#include "core/AppState.h"
#include "core/Common.h"
#include "core/ErrorHandling.h"
#include "core/FormKeys.h"
#include "format/DateText.h"
#include "masters/AccountsListQuery.h"
#include "masters/DetailListModel.h"
#include "masters/TreeListLayout.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>
#include <QTreeWidget>

namespace pellam::masters {

namespace {

const QString kModule = QStringLiteral("frmTreeList");
constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;

QRect pixels(const QRect& twips)
{
    return QRect(ctl::pixelsOf(twips.x()), ctl::pixelsOf(twips.y()), ctl::pixelsOf(twips.width()),
                 ctl::pixelsOf(twips.height()));
}

QString amountText(Currency amount)
{
    return app::state().Util.NumFormat(amount.toString(2), 0);
}

// Moves the main window's progress bar as rows are listed, once a percent.
class ListingProgress {
public:
    explicit ListingProgress(int rows) : rows_(rows) { app::ShowProgress(0, 1, 100); }
    ~ListingProgress() { app::ShowProgress(100, 2, 0); }
    void at(int row)
    {
        const int percent = rows_ > 0 ? int(qint64(row) * 100 / rows_) : 100;
        if (percent != shown_)
            app::ShowProgress(shown_ = percent, 0, 100);
    }

private:
    int rows_;
    int shown_ = 0;
};

} // namespace

frmTreeList::frmTreeList(QWidget* parent)
    : QWidget(parent), picTitles(new QWidget(this)), lblTitle{new QLabel(QStringLiteral("Select"), picTitles),
                                                             new QLabel(QStringLiteral("Details "), picTitles)},
      tvTreeView(new QTreeWidget(this)), lvListView(new QTableView(this)), imgSplitter(new QFrame(this)),
      picSplitter(new QFrame(this)), model_(new DetailListModel(this))
{
    setObjectName(kModule);
    setWindowTitle(QStringLiteral("Utility  - Accounts List"));
    picTitles->setObjectName(QStringLiteral("picTitles"));
    for (QLabel* title : lblTitle) {
        title->setObjectName(QStringLiteral("lblTitle"));
        title->setFrameShape(QFrame::Panel);
        title->setFrameShadow(QFrame::Sunken);
    }
    tvTreeView->setObjectName(QStringLiteral("tvTreeView"));
    tvTreeView->setHeaderHidden(true);
    lvListView->setObjectName(QStringLiteral("lvListView"));
    lvListView->setModel(model_);
    lvListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvListView->setShowGrid(false);
    lvListView->verticalHeader()->hide();
    lvListView->horizontalHeader()->setSectionsClickable(true);
    lvListView->horizontalHeader()->setHighlightSections(false);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setCursor(Qt::SplitHCursor);
    picSplitter->setObjectName(QStringLiteral("picSplitter"));
    picSplitter->setFrameShape(QFrame::Box);
    picSplitter->setStyleSheet(QStringLiteral("background: #808080"));
    picSplitter->hide();
    resize(720, 450);

    connect(tvTreeView, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current)
            tvTreeView_NodeClick(current);
    });
    // A click on the node already shown lists it again.
    connect(tvTreeView, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        if (node == currentBeforePress_)
            tvTreeView_NodeClick(node);
    });
    tvTreeView->viewport()->installEventFilter(this);
    imgSplitter->installEventFilter(this);
    connect(lvListView->horizontalHeader(), &QHeaderView::sectionClicked, this, &frmTreeList::lvListView_ColumnClick);
    auto* keys = new app::FormKeys(this);
    keys->on(Qt::Key_F1, [this] { Form_KeyDown(Qt::Key_F1); });
    keys->on(Qt::Key_F5, [this] { Form_KeyDown(Qt::Key_F5); });

    Form_Load();
}

void frmTreeList::Form_Load()
{
    app::Connection();
    app::runStep([this] { heads_ = AccountsListQuery(app::state().Conn).heads(); }, QStringLiteral("load"), kModule);

    const QSignalBlocker quiet(tvTreeView);
    tvTreeView->clear();
    clearList();
    auto* root = new QTreeWidgetItem(tvTreeView, {QApplication::applicationDisplayName()});
    root->setData(0, kKeyRole, QStringLiteral("Z"));
    auto* rp = new QTreeWidgetItem(root, {QStringLiteral("Reciept & Payment")});
    rp->setData(0, kKeyRole, QStringLiteral("RP"));
    for (int i = 0; i < heads_.size(); ++i) {
        auto* node = new QTreeWidgetItem(rp, {heads_[i].name});
        node->setData(0, kKeyRole, QStringLiteral("AR%1").arg(i + 1));
        node->setData(0, kTagRole, heads_[i].accno);
    }
    tvTreeView->expandItem(root);
    tvTreeView->scrollToItem(rp);
    currentBeforePress_ = nullptr;
}

void frmTreeList::clearList()
{
    model_->clear();
    sortColumn_ = -1;
    lvListView->horizontalHeader()->setSortIndicatorShown(false);
}

void frmTreeList::Form_KeyDown(int key)
{
    if (key == Qt::Key_F1)
        app::ShowHelp(kHelpContext);
    else if (key == Qt::Key_F5)
        Form_Load();
}

void frmTreeList::tvTreeView_NodeClick(QTreeWidgetItem* node)
{
    clearList();
    lblTitle[1]->setText(node->text(0));
    const QString key = node->data(0, kKeyRole).toString();
    if (key.startsWith(QLatin1Char('R')))
        listAccounts(key);
    else if (key.startsWith(QLatin1Char('A')))
        listVouchers(node->data(0, kTagRole).toLongLong(), key);
}

void frmTreeList::fillList(const QString& status, QList<DetailColumn> columns,
                           const std::function<QList<DetailRow>()>& rowsOf)
{
    app::Connection();
    app::ShowStatus(status);
    QList<DetailRow> rows;
    app::runStep([&] { rows = rowsOf(); }, QStringLiteral("load"), kModule);
    model_->reset(std::move(columns), std::move(rows));
    for (int c = 0; c < model_->columnCount(); ++c)
        lvListView->setColumnWidth(c, ctl::pixelsOf(model_->columns()[c].widthTwips));
    app::ShowStatus(QString());
}

void frmTreeList::listAccounts(const QString& key)
{
    fillList(QStringLiteral("Listing Accounts "),
             {{QStringLiteral("Acc ID"), 1000, false},
              {QStringLiteral("Account"), 100 * kHeadNameLength, false},
              {QStringLiteral("Debit"), 1500, true},
              {QStringLiteral("Credit"), 1500, true}},
             [&] {
                 const QHash<qint64, HeadTotals> totals = AccountsListQuery(app::state().Conn).totals();
                 QList<DetailRow> rows;
                 rows.reserve(heads_.size());
                 ListingProgress progress(int(heads_.size()));
                 for (const LedgerHead& head : std::as_const(heads_)) {
                     const HeadTotals t = totals.value(head.accno);
                     rows.append({{head.code, head.name, amountText(t.debit), amountText(t.credit)},
                                  {head.code, head.name, qint64(t.debit.raw()), qint64(t.credit.raw())},
                                  key});
                     progress.at(int(rows.size()));
                 }
                 return rows;
             });
}

void frmTreeList::listVouchers(qint64 accno, const QString& key)
{
    fillList(QStringLiteral("Listing Journals "),
             {{QStringLiteral("JouNo"), 900, false},
              {QStringLiteral("Date"), 1200, false},
              {QStringLiteral("Account"), 100 * kHeadNameLength, false},
              {QStringLiteral("Debit"), 1300, true},
              {QStringLiteral("Credit"), 1300, true}},
             [&] {
                 const QList<HeadVoucher> vouchers = AccountsListQuery(app::state().Conn).vouchersOf(accno);
                 QList<DetailRow> rows;
                 rows.reserve(vouchers.size());
                 ListingProgress progress(int(vouchers.size()));
                 for (const HeadVoucher& v : vouchers) {
                     rows.append({{QString::number(v.jousrlno), datetext::format(v.date), v.otherSide,
                                   amountText(v.debit), amountText(v.credit)},
                                  {v.jousrlno, v.date, v.otherSide, qint64(v.debit.raw()), qint64(v.credit.raw())},
                                  key});
                     progress.at(int(rows.size()));
                 }
                 return rows;
             });
}

void frmTreeList::lvListView_ColumnClick(int column)
{
    // A new column sorts upwards first; the same column again turns the order.
    if (column == sortColumn_)
        sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        sortOrder_ = Qt::AscendingOrder;
    sortColumn_ = column;
    model_->sort(column, sortOrder_);
    lvListView->horizontalHeader()->setSortIndicatorShown(true);
    lvListView->horizontalHeader()->setSortIndicator(column, sortOrder_);
}

int frmTreeList::formWidthTwips() const
{
    return width() * ctl::twipsPerPixel;
}

void frmTreeList::SizeControls(int x)
{
    splitterX_ = treelist::splitterPosition(x, formWidthTwips());
    const TreeListGeometry g = treelist::layout(splitterX_, size() * ctl::twipsPerPixel);
    picTitles->setGeometry(0, 0, width(), ctl::pixelsOf(treelist::kTitlesHeight));
    lblTitle[0]->setGeometry(pixels(g.selectTitle));
    lblTitle[1]->setGeometry(pixels(g.detailsTitle));
    tvTreeView->setGeometry(pixels(g.tree));
    imgSplitter->setGeometry(pixels(g.splitter));
    lvListView->setGeometry(pixels(g.list));
}

void frmTreeList::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    SizeControls(splitterX_);
}

void frmTreeList::imgSplitter_MouseDown()
{
    dragX_ = splitterX_;
    const QRect grip = imgSplitter->geometry();
    picSplitter->setGeometry(grip.x(), grip.y(), std::max(1, grip.width() / 2), grip.height());
    picSplitter->show();
    picSplitter->raise();
    moving_ = true;
}

void frmTreeList::imgSplitter_MouseMove(int x)
{
    if (!moving_)
        return;
    dragX_ = treelist::dragPosition(splitterX_ + x, formWidthTwips());
    picSplitter->move(ctl::pixelsOf(dragX_), picSplitter->y());
}

void frmTreeList::imgSplitter_MouseUp()
{
    if (!moving_)
        return;
    moving_ = false;
    picSplitter->hide();
    SizeControls(dragX_);
}

bool frmTreeList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tvTreeView->viewport() && event->type() == QEvent::MouseButtonPress)
        currentBeforePress_ = tvTreeView->currentItem();
    if (watched == imgSplitter) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton)
                imgSplitter_MouseDown();
            return true;
        case QEvent::MouseMove:
            imgSplitter_MouseMove(int(mouse->position().x()) * ctl::twipsPerPixel);
            return true;
        case QEvent::MouseButtonRelease:
            imgSplitter_MouseUp();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pellam::masters
