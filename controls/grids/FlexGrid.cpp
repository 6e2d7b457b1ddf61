#include "grids/FlexGrid.h"

#include "common/HostForm.h"
#include "grids/RecordSetModel.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace pellam::ctl {

namespace {

// A flex grid row is 240 twips high, 16 pixels.
constexpr int kRowPixels = 16;

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), model_(new RecordSetModel(this))
{
    setObjectName(QStringLiteral("GridOnPOP"));
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowPixels);
    verticalHeader()->setDefaultSectionSize(kRowPixels);
    horizontalHeader()->setFixedHeight(kRowPixels);
    // Hosts hide a column by giving it no width.
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setColumnWidth(0, pixelsOf(300));
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { currentCellChanged(current); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { modelWasReset(); });
}

void FlexGrid::modelWasReset()
{
    // A new set of rows starts on the first data row, as a bound grid does.
    setRow(1);
}

void FlexGrid::currentCellChanged(const QModelIndex& current)
{
    model_->setMarkerRow(current.isValid() ? current.row() : -1);
    extendSelection();
}

int FlexGrid::Rows() const
{
    return model_->rowCount() + 1;
}

int FlexGrid::Cols() const
{
    return model_->columnCount();
}

int FlexGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void FlexGrid::setRow(int row)
{
    if (row < 1 || row >= Rows())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : qMin(1, Cols() - 1);
    selectionModel()->setCurrentIndex(model_->index(row - 1, column), QItemSelectionModel::NoUpdate);
    // The same row again changes no cell, but its marker and selection stay right.
    model_->setMarkerRow(row - 1);
    extendSelection();
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    if (row == 0)
        return model_->title(col);
    return model_->text(row - 1, col);
}

void FlexGrid::setColWidth(int col, double twips)
{
    if (col >= 0 && col < Cols())
        setColumnWidth(col, qMax(0, pixelsOf(twips)));
}

double FlexGrid::ColWidth(int col) const
{
    return columnWidth(col) * double(twipsPerPixel);
}

double FlexGrid::RowHeight() const
{
    return verticalHeader()->defaultSectionSize() * double(twipsPerPixel);
}

void FlexGrid::extendSelection()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const QItemSelection row(model_->index(current.row(), 0), model_->index(current.row(), Cols() - 1));
    selectionModel()->select(row, QItemSelectionModel::ClearAndSelect);
}

void FlexGrid::scrollCurrentToTop()
{
    const QModelIndex current = currentIndex();
    if (current.isValid())
        scrollTo(current, QAbstractItemView::PositionAtTop);
}

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        emit characterTyped(text);
        return;
    }
    QTableView::keyPressEvent(event);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit doubleClickedAnywhere();
}

} // namespace pellam::ctl
