#pragma once

#include "masters/DetailListModel.h"
#include "masters/LedgerHead.h"

#include <functional>

#include <QList>
#include <QWidget>

class QFrame;
class QLabel;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace pellam::masters {

// The read-only accounts browser: the ledger heads in a tree on the left;
// on the right the "Reciept & Payment" listing of every head's year totals,
// or one head's vouchers. A splitter between the two can be dragged.
class frmTreeList : public QWidget {
    Q_OBJECT
public:
    // The window's topic in the help.
    static constexpr short kHelpContext = 34;

    explicit frmTreeList(QWidget* parent = nullptr);

    // Where the splitter stands, in twips from the left.
    int splitterPosition() const { return splitterX_; }
    DetailListModel* listModel() const { return model_; }

public slots:
    void Form_Load();
    void Form_KeyDown(int key);
    void tvTreeView_NodeClick(QTreeWidgetItem* node);
    void lvListView_ColumnClick(int column);
    // The splitter is dragged; `x` is the mouse's position in twips from
    // the grip's left edge.
    void imgSplitter_MouseDown();
    void imgSplitter_MouseMove(int x);
    void imgSplitter_MouseUp();
    void SizeControls(int x);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearList();
    // Shows `status` while the rows are read, then the rows under `columns`.
    void fillList(const QString& status, QList<DetailColumn> columns, const std::function<QList<DetailRow>()>& rowsOf);
    void listAccounts(const QString& key);
    void listVouchers(qint64 accno, const QString& key);
    int formWidthTwips() const;

    QWidget* picTitles;
    QLabel* lblTitle[2];
    QTreeWidget* tvTreeView;
    QTableView* lvListView;
    QFrame* imgSplitter;
    QFrame* picSplitter;
    DetailListModel* model_;

    QList<LedgerHead> heads_; // the heads of the tree, kept until the next load
    int splitterX_ = 3500;
    bool moving_ = false;
    int dragX_ = 0;           // where the dragged bar stands, in twips
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QTreeWidgetItem* currentBeforePress_ = nullptr;
};

} // namespace pellam::masters
