#include "grids/RecordSetModel.h"

namespace pellam::ctl {

namespace {

const QString kMarker = QStringLiteral("=>");

} // namespace

RecordSetModel::RecordSetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordSetModel::describeFields()
{
    fields_.clear();
    titles_ = QStringList{QString()};
    for (int f = 0; f < records_.FieldCount(); ++f) {
        fields_.push_back(FieldInfo::of(records_, f));
        titles_.append(records_.FieldName(f));
    }
    columns_ = records_.FieldCount() + 1;
}

void RecordSetModel::setRecordSet(const db::RecordSet& records)
{
    beginResetModel();
    records_ = records;
    describeFields();
    marker_ = -1;
    endResetModel();
}

void RecordSetModel::clear(int fields)
{
    beginResetModel();
    records_ = db::RecordSet();
    fields_.clear();
    titles_ = QStringList{QString()};
    columns_ = qMax(0, fields) + 1;
    marker_ = -1;
    endResetModel();
}

void RecordSetModel::ensureColumns(int columns)
{
    if (columns <= columns_)
        return;
    beginInsertColumns({}, columns_, columns - 1);
    columns_ = columns;
    endInsertColumns();
}

void RecordSetModel::setTitle(int column, const QString& title)
{
    if (column < 0 || column >= columns_)
        return;
    while (titles_.size() <= column)
        titles_.append(QString());
    titles_[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void RecordSetModel::setMarkerRow(int row)
{
    if (row == marker_)
        return;
    const int old = marker_;
    marker_ = row;
    if (old >= 0 && old < rowCount())
        emit dataChanged(index(old, 0), index(old, 0));
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, 0));
}

QString RecordSetModel::text(int row, int column) const
{
    if (column == 0)
        return row == marker_ ? kMarker : QString();
    if (column > int(fields_.size()))
        return {};
    return fields_[size_t(column - 1)].text(records_.cell(row, column - 1));
}

int RecordSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : qMax(1, records_.RecordCount());
}

int RecordSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() > 0 && index.column() <= int(fields_.size()) &&
        fields_[size_t(index.column() - 1)].kind == FieldInfo::Kind::Number)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return titles_.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace pellam::ctl
