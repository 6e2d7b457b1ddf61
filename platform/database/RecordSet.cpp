#include "database/RecordSet.h"

#include "database/RowErrors.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

namespace pellam::db {

namespace {

const QString kSource = QStringLiteral("Pellam database");

} // namespace

QVariant RecordSet::Row::value(int index) const
{
    if (index < 0 || index >= set_->FieldCount())
        noSuchField();
    return set_->data_->cells[size_t(row_) * size_t(set_->FieldCount()) + size_t(index)];
}

QVariant RecordSet::Row::value(const QString& name) const
{
    return value(set_->requireField(name));
}

RecordSet::RecordSet() : data_(std::make_shared<Data>()) {}

RecordSet::RecordSet(QStringList names, QStringList declaredTypes, std::vector<QVariant> cells)
{
    auto d = std::make_shared<Data>();
    d->names = std::move(names);
    d->types = std::move(declaredTypes);
    d->cells = std::move(cells);
    d->rows = d->names.isEmpty() ? 0 : int(d->cells.size() / size_t(d->names.size()));
    data_ = std::move(d);
    open_ = true;
}

void RecordSet::Close()
{
    data_ = std::make_shared<Data>();
    visible_.clear();
    filtered_ = false;
    open_ = false;
    position_ = 0;
}

int RecordSet::RecordCount() const
{
    return filtered_ ? int(visible_.size()) : data_->rows;
}

int RecordSet::fieldIndex(const QString& name) const
{
    for (int i = 0; i < data_->names.size(); ++i)
        if (data_->names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int RecordSet::requireField(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        noSuchField();
    return i;
}

void RecordSet::requireCurrent() const
{
    if (eof() || position_ < 0)
        noCurrentRow();
}

void RecordSet::MoveNext()
{
    requireCurrent();
    ++position_;
}

void RecordSet::MovePrevious()
{
    requireCurrent();
    --position_;
}

void RecordSet::setAbsolutePosition(int position)
{
    if (position < 1 || position > RecordCount())
        throw PellamError::standard(InvalidCall, kSource);
    position_ = position - 1;
}

QVariant RecordSet::value(int index) const
{
    requireCurrent();
    return Row(this, physicalRow(position_)).value(index);
}

QVariant RecordSet::value(const QString& name) const
{
    return value(requireField(name));
}

QDate RecordSet::toDate(const QString& name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

QVariant RecordSet::cell(int row, int column) const
{
    if (row < 0 || row >= RecordCount() || column < 0 || column >= FieldCount())
        return {};
    return data_->cells[size_t(physicalRow(row)) * size_t(FieldCount()) + size_t(column)];
}

void RecordSet::setFilter(std::function<bool(const Row&)> keep)
{
    visible_.clear();
    for (int r = 0; r < data_->rows; ++r)
        if (keep(Row(this, r)))
            visible_.push_back(r);
    filtered_ = true;
    position_ = 0;
}

void RecordSet::clearFilter()
{
    visible_.clear();
    filtered_ = false;
    position_ = 0;
}

} // namespace pellam::db
