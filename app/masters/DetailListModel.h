#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QVariantList>

namespace pellam::masters {

// A column of the detail list: its title, its width in twips, and whether
// its texts stand to the right (amounts).
struct DetailColumn {
    QString title;
    int widthTwips = 0;
    bool rightAligned = false;
};

// A row of the detail list: the texts shown, the value each column sorts
// by (a number, a date or a text), and the key of the tree node it came from.
struct DetailRow {
    QStringList texts;
    QVariantList sortKeys;
    QString tag;
};

// The rows of the accounts browser's detail list, sortable by any column:
// amounts and numbers by value, dates by day, texts without regard to case.
class DetailListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(QList<DetailColumn> columns, QList<DetailRow> rows);
    void clear() { reset({}, {}); }
    const QList<DetailColumn>& columns() const { return columns_; }
    const DetailRow& row(int row) const { return rows_[row]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    QList<DetailColumn> columns_;
    QList<DetailRow> rows_;
};

} // namespace pellam::masters
