#pragma once

#include "data/VoucherImport.h"

#include <QAbstractTableModel>
#include <QHash>

namespace pellam::app {

// The rows of a checked import file, by line: each voucher to store as it
// will be stored, and each row refused or left out as the file has it,
// marked, with what its check says. Cells are made as they are shown, so a
// file of a hundred thousand rows costs no widget per cell.
class ImportRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Line, Date, Institution, Type, Head, Amount, Narration, BillNo, Check, ColumnCount };

    explicit ImportRowsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // `codes` gives each head's code by number; `cashAccNo` tells receipts
    // from payments.
    void show(data::CheckedImport checked, QHash<int, QString> codes, int cashAccNo);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    enum class Kind { Voucher, Refused, Duplicate };
    struct Row {
        int line;
        Kind kind;
        qsizetype at;   // into the vouchers, errors or duplicates
    };
    QString text(const Row& row, int column) const;

    data::CheckedImport checked_;
    QHash<int, QString> codes_;
    int cashAccNo_ = 0;
    QList<Row> rows_;
};

} // namespace pellam::app
