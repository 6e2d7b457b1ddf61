#include "masters/DetailListModel.h"

#include <algorithm>
#include <numeric>

namespace pellam::masters {

namespace {

// Texts compare without regard to case; other keys by their value.
bool keyLess(const QVariant& a, const QVariant& b)
{
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return a.toString().compare(b.toString(), Qt::CaseInsensitive) < 0;
    return QVariant::compare(a, b) == QPartialOrdering::Less;
}

} // namespace

void DetailListModel::reset(QList<DetailColumn> columns, QList<DetailRow> rows)
{
    beginResetModel();
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    endResetModel();
}

int DetailListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int DetailListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant DetailListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= columns_.size())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[index.row()].texts.value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((columns_[index.column()].rightAligned ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    return {};
}

QVariant DetailListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columns_[section].title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((columns_[section].rightAligned ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    return {};
}

void DetailListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columns_.size())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> sequence(rows_.size());
    std::iota(sequence.begin(), sequence.end(), 0);
    std::stable_sort(sequence.begin(), sequence.end(), [&](int a, int b) {
        const QVariant& x = rows_[a].sortKeys.value(column);
        const QVariant& y = rows_[b].sortKeys.value(column);
        return order == Qt::AscendingOrder ? keyLess(x, y) : keyLess(y, x);
    });
    QList<DetailRow> sorted;
    sorted.reserve(rows_.size());
    QList<int> newRowOf(rows_.size());
    for (int i = 0; i < sequence.size(); ++i) {
        sorted.append(std::move(rows_[sequence[i]]));
        newRowOf[sequence[i]] = i;
    }
    rows_ = std::move(sorted);
    // The selection follows its rows to their new places.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(newRowOf.value(index.row()), index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace pellam::masters
